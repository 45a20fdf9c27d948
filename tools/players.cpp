#include "players.h"

#include "levels.h"
#include "move_generation.h"
#include "reach.h"
#include "zobrist.h"

#include <algorithm>
#include <vector>

namespace vintrel::engine {
namespace {

std::uint64_t Next(std::uint64_t& random) { return random = zobrist::Mix(random); }

Move OneOf(const std::vector<Move>& moves, std::uint64_t& random) {
    return moves[Next(random) % moves.size()];
}

std::vector<Move> AllMoves(const GameState& state) {
    MoveList list;
    GenerateMoves(state, list);
    return {list.begin(), list.end()};
}

class RandomPlayer : public Player {
public:
    Choice choose(const GameState& state, std::uint64_t seed) override { return {AnyMove(state, seed)}; }
};

// No man of the mover's left where an opponent's man reaches him.
bool LeavesNoneInReach(const GameState& state, Move move) {
    const GameState next = state.after(move);
    const Side mover = state.toMove();
    for (Cell cell : next.menOf(mover))
        if (!(ReachOf(mover, cell) & next.menOf(Opponent(mover))).empty()) return false;
    return true;
}

// A win, else a capture, else a move that leaves no man in reach, else
// anything; the seed chooses among equals.
class GreedyPlayer : public Player {
public:
    Choice choose(const GameState& state, std::uint64_t seed) override {
        std::vector<Move> all = AllMoves(state), wins, captures, safe;
        for (const Move& move : all) {
            if (state.wins(move)) wins.push_back(move);
            if (state.captures(move)) captures.push_back(move);
            if (LeavesNoneInReach(state, move)) safe.push_back(move);
        }
        for (const std::vector<Move>* pool : {&wins, &captures, &safe, &all})
            if (!pool->empty()) return {OneOf(*pool, seed)};
        return {};
    }
};

class EnginePlayer : public Player {
public:
    EnginePlayer(Strength strength, const Budget& budget) : strength_(strength), budget_(budget) {}
    Choice choose(const GameState& state, std::uint64_t seed) override {
        Level level = LevelOf(strength_, seed);
        level.limits.maxNodes = std::min(level.limits.maxNodes / budget_.nodeDivisor, budget_.nodeCap);
        if (budget_.windowsTimeCaps) level.limits.maxTime = WindowsTimeCapOf(strength_);
        const SearchResult result = ChooseMove(state, level);
        return {result.move, result.depth};
    }

private:
    Strength strength_;
    Budget budget_;
};

}  // namespace

Move AnyMove(const GameState& state, std::uint64_t& random) {
    const std::vector<Move> all = AllMoves(state);
    return all.empty() ? Move{} : OneOf(all, random);
}

std::unique_ptr<Player> PlayerNamed(const std::string& name, std::uint64_t nodeCap) {
    return PlayerNamed(name, Budget{.nodeCap = nodeCap});
}

std::unique_ptr<Player> PlayerNamed(const std::string& name, const Budget& budget) {
    if (name == "random") return std::make_unique<RandomPlayer>();
    if (name == "greedy") return std::make_unique<GreedyPlayer>();
    if (const auto strength = StrengthNamed(name)) return std::make_unique<EnginePlayer>(*strength, budget);
    return nullptr;
}

}  // namespace vintrel::engine
