#include "evaluation.h"

#include "reach.h"

#include <algorithm>

namespace vintrel::engine {
namespace {

// The diamonds that the men of `side` reach.
CellMask ReachedBy(const GameState& state, Side side) {
    CellMask reached;
    for (Cell cell : state.menOf(side)) reached = reached | ReachOf(side, cell);
    return reached;
}

// Moves along the shortest path from `from` to the corner over `safe`
// diamonds, or 0 when there is none within `limit` moves.
int FreePathLength(Side side, Cell from, CellMask safe, int limit) {
    const Cell corner = WinningCell(side);
    CellMask frontier = CellMask::Of(from), seen = frontier;
    for (int moves = 1; moves <= limit; ++moves) {
        CellMask next;
        for (Cell cell : frontier) next = next | ReachOf(side, cell);
        if (next.has(corner)) return moves;
        frontier = next & safe & ~seen;
        seen = seen | frontier;
        if (frontier.empty()) return 0;
    }
    return 0;
}

int SideScore(const GameState& state, Side side, CellMask reachedByOpponent, const EvaluationWeights& w) {
    const CellMask own = state.menOf(side);
    const CellMask safe = ~reachedByOpponent & ~own & ~state.menOf(Opponent(side));
    const int longestFreePath = int(w.freePath.size()) - 1;
    int score = w.man * own.count();
    for (Cell cell : own) {
        const int moves = MovesToCorner(side, cell);
        score += w.nearCorner[std::size_t(std::min(moves, int(w.nearCorner.size()) - 1))];
        if (moves > longestFreePath || reachedByOpponent.has(cell)) continue;
        score += w.freePath[std::size_t(FreePathLength(side, cell, safe, longestFreePath))];
    }
    return score;
}

}  // namespace

VINTREL_COUNTS_BITS int Evaluate(const GameState& state, const EvaluationWeights& weights) {
    const Side mover = state.toMove(), opponent = Opponent(mover);
    const CellMask reachedByMover = ReachedBy(state, mover);
    const CellMask reachedByOpponent = ReachedBy(state, opponent);
    const int contact = weights.mayTake * (reachedByMover & state.menOf(opponent)).count() -
                        weights.mayBeTaken * (reachedByOpponent & state.menOf(mover)).count();
    return SideScore(state, mover, reachedByOpponent, weights) -
           SideScore(state, opponent, reachedByMover, weights) + contact;
}

}  // namespace vintrel::engine
