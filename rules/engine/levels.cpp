#include "levels.h"

#include <algorithm>
#include <array>
#include <bit>
#include <memory>

namespace vintrel::engine {
namespace {

struct StrengthSpec {
    std::string_view name;
    int maxDepth;
    std::uint64_t maxNodes;
    int rootNoise;
    int tableSizeLog2;
    std::chrono::milliseconds windowsTimeCap;
};

// Budgets in nodes rather than seconds, so that a game replays the same on
// any machine; on the machine the game was tuned on, easy answers in a few
// milliseconds, medium in about a tenth of a second, hard in about one
// and expert in about four.
using namespace std::chrono_literals;
constexpr std::array<StrengthSpec, 4> Strengths = {{
    {"easy", 2, 40'000, 80, 14, 0ms},
    {"medium", 64, 300'000, 0, 18, 600ms},
    {"hard", 64, 4'500'000, 0, 20, 2500ms},
    // Its reply on screen, the man's glide of 300 ms and a busy machine's
    // delays included, stays within five and a half seconds.
    {"expert", 64, 20'000'000, 0, 22, 4500ms},
}};

const StrengthSpec& SpecOf(Strength strength) { return Strengths[std::size_t(strength)]; }

}  // namespace

Level LevelOf(Strength strength, std::uint64_t seed) {
    const StrengthSpec& spec = SpecOf(strength);
    return {.limits = {.maxDepth = spec.maxDepth, .maxNodes = spec.maxNodes, .rootNoise = spec.rootNoise, .seed = seed},
            .tableSizeLog2 = spec.tableSizeLog2};
}

std::string_view NameOf(Strength strength) { return SpecOf(strength).name; }

std::chrono::milliseconds WindowsTimeCapOf(Strength strength) { return SpecOf(strength).windowsTimeCap; }

std::optional<Strength> StrengthNamed(std::string_view name) {
    for (std::size_t i = 0; i < Strengths.size(); ++i)
        if (Strengths[i].name == name) return Strength(i);
    return std::nullopt;
}

SearchResult ChooseMove(const GameState& state, const Level& level, const std::atomic<bool>* cancel) {
    // About an entry a node: a small budget needs no large table, and
    // clearing one would cost more than the search.
    const int sizeLog2 = std::clamp(int(std::bit_width(level.limits.maxNodes)), 10, level.tableSizeLog2);
    // Kept for the thread's next search: freeing a large table takes
    // milliseconds, which a cancelled search should not spend.
    thread_local std::unique_ptr<TranspositionTable> table;
    if (!table || table->sizeLog2() != sizeLog2)
        table = std::make_unique<TranspositionTable>(sizeLog2);
    else
        table->clear();
    return Search(*table, cancel).run(state, level.limits);
}

}  // namespace vintrel::engine
