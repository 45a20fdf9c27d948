#include "openings.h"

#include "players.h"
#include "search.h"
#include "zobrist.h"

#include <cstdlib>

namespace vintrel::engine {
namespace {

std::vector<Move> RandomOpening(std::uint64_t& random, GameState& state) {
    std::vector<Move> moves;
    for (int ply = 0; ply < 2 * OpeningMovesEachSide && !state.isOver(); ++ply) {
        moves.push_back(AnyMove(state, random));
        state = state.after(moves.back());
    }
    return moves;
}

bool IsBalanced(const GameState& state) {
    if (state.isOver()) return false;
    TranspositionTable table(16);
    return std::abs(Search(table).run(state, {.maxDepth = BalanceDepth}).score) <= BalancedWithin;
}

}  // namespace

std::vector<Move> BalancedOpening(std::uint64_t seed) {
    std::uint64_t random = zobrist::Mix(seed);
    for (;;) {
        GameState state = GameState::Start();
        std::vector<Move> moves = RandomOpening(random, state);
        if (IsBalanced(state)) return moves;
    }
}

}  // namespace vintrel::engine
