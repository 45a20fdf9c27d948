#include "move.h"

#include "range.h"

namespace vintrel {

Position AfterMove(Position position, Cell from, Cell to) {
    position[to] = position[from];
    position[from] = Occupant::Empty;
    return position;
}

DropDecision DecideDrop(const Position& position, Side mover, const CommitmentRecord& record,
                        Cell from, Cell to) {
    if (!IsOnBoard(from) || !IsOnBoard(to) || to == from) return {};
    if (position[to] == ManOf(mover)) return {DropOutcome::OwnMan, false};
    const bool captures = position[to] == ManOf(Opponent(mover));
    if (!IsInRange(mover, from, to)) return {DropOutcome::NotPermitted, captures};

    const Position after = AfterMove(position, from, to);
    if (ObligationOf(record, after, mover) != NoCell) return {DropOutcome::MustCapture, captures};
    if (to == WinningCell(mover)) return {DropOutcome::WonByCorner, captures};
    if (!HasManOf(after, Opponent(mover))) return {DropOutcome::WonByCapture, captures};
    return {DropOutcome::Moved, captures};
}

std::vector<Move> StandingMoves(const Position& position, Side mover, const CommitmentRecord& record) {
    std::vector<Move> moves;
    for (Cell from = 0; from < CellCount; ++from) {
        if (position[from] != ManOf(mover)) continue;
        for (Cell to : RangeOf(mover, from)) {
            const DropDecision decision = DecideDrop(position, mover, record, from, to);
            if (Stands(decision.outcome)) moves.push_back({from, to, decision});
        }
    }
    return moves;
}

}  // namespace vintrel
