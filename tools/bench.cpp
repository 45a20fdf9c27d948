#include "bench.h"

#include "move_generation.h"
#include "players.h"
#include "search.h"

#include <chrono>
#include <cstdio>

namespace vintrel::engine {
namespace {

constexpr int PositionCount = 30;
constexpr int TableSizeLog2 = 18;

// The i-th position: 4 to 33 random moves into a game, replayed from a
// fresh seed where a game ended sooner.
GameState BenchPosition(int i) {
    for (std::uint64_t attempt = 0;; ++attempt) {
        std::uint64_t random = std::uint64_t(i) * 7919 + attempt * 104'729 + 1;
        GameState state = GameState::Start();
        for (int ply = 0; ply < 4 + i && !state.isOver(); ++ply) state = state.after(AnyMove(state, random));
        if (!state.isOver() && CountMoves(state) > 0) return state;
    }
}

}  // namespace

std::vector<GameState> BenchPositions() {
    std::vector<GameState> positions;
    for (int i = 0; i < PositionCount; ++i) positions.push_back(BenchPosition(i));
    return positions;
}

BenchFigures RunBench(int depth) {
    using Clock = std::chrono::steady_clock;
    const std::vector<GameState> positions = BenchPositions();
    TranspositionTable table(TableSizeLog2);
    BenchFigures figures;
    const auto start = Clock::now();
    for (const GameState& position : positions) {
        table.clear();
        figures.nodes += Search(table).run(position, {.maxDepth = depth}).nodes;
    }
    figures.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return figures;
}

int PrintBench() {
    const BenchFigures figures = RunBench();
    const double perSecond = figures.milliseconds > 0 ? 1000 * double(figures.nodes) / figures.milliseconds : 0;
    std::printf("%d positions, depth %d\n", PositionCount, BenchDepth);
    std::printf("bench: %llu nodes, %.0f ms, %.0f nodes/s\n", static_cast<unsigned long long>(figures.nodes),
                figures.milliseconds, perSecond);
    return 0;
}

}  // namespace vintrel::engine
