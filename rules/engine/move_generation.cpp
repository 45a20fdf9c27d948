#include "move_generation.h"

#include "reach.h"

namespace vintrel::engine {

CellMask MoversOf(const GameState& state) {
    if (state.isOver()) return {};
    const Side mover = state.toMove();
    const CellMask own = state.menOf(mover);
    if (state.mustCapture() == NoCell) return own;
    // Reach is symmetric: the men that reach the bound man are those he
    // would reach as a man of the other side.
    return ReachOf(Opponent(mover), state.mustCapture()) & own;
}

CellMask TargetsOf(const GameState& state, Cell from) {
    if (state.mustCapture() != NoCell) {
        const CellMask bound = CellMask::Of(state.mustCapture());
        return ReachOf(state.toMove(), from) & bound;
    }
    return ReachOf(state.toMove(), from) & ~state.menOf(state.toMove());
}

void GenerateMoves(const GameState& state, MoveList& moves) {
    for (Cell from : MoversOf(state))
        for (Cell to : TargetsOf(state, from)) moves.add({from, to});
}

void GenerateCaptures(const GameState& state, MoveList& moves) {
    const CellMask theirs = state.menOf(Opponent(state.toMove()));
    for (Cell from : MoversOf(state))
        for (Cell to : TargetsOf(state, from) & theirs) moves.add({from, to});
}

VINTREL_COUNTS_BITS int CountMoves(const GameState& state) {
    const CellMask movers = MoversOf(state);
    if (state.mustCapture() != NoCell) return movers.count();
    const Side mover = state.toMove();
    const CellMask free = ~state.menOf(mover);
    int count = 0;
    for (Cell from : movers) count += (ReachOf(mover, from) & free).count();
    return count;
}

VINTREL_COUNTS_BITS std::uint64_t Perft(const GameState& state, int depth) {
    if (depth <= 0) return 1;
    if (depth == 1) return std::uint64_t(CountMoves(state));
    MoveList moves;
    GenerateMoves(state, moves);
    std::uint64_t leaves = 0;
    for (const Move& move : moves) {
        const GameState next = state.after(move);
        leaves += next.isOver() ? 1 : Perft(next, depth - 1);
    }
    return leaves;
}

}  // namespace vintrel::engine
