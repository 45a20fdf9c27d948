// What a dropped man means: the whole decision of one move, before any
// window shows it.
#pragma once

#include "board.h"
#include "commitment.h"

#include <vector>

namespace vintrel {

enum class DropOutcome {
    NoChange,      // dropped back on its own diamond
    OwnMan,        // target holds a man of the mover
    NotPermitted,  // target out of range
    MustCapture,   // the move leaves the committed man on the board
    Moved,         // the move stands and the game goes on
    WonByCorner,   // the man reached the opponent's cornermost diamond
    WonByCapture,  // the move took the opponent's last man
};

struct DropDecision {
    DropOutcome outcome = DropOutcome::NoChange;
    bool captures = false;  // the target held an opponent's man
};

constexpr bool Stands(DropOutcome outcome) {
    return outcome == DropOutcome::Moved || outcome == DropOutcome::WonByCorner ||
           outcome == DropOutcome::WonByCapture;
}

// The checks run in the order a player learns of them: own diamond, own
// man, range, then the obligation to capture, which is tested before the
// win by the corner so that no win can dodge a compulsory capture.
DropDecision DecideDrop(const Position& position, Side mover, const CommitmentRecord& record,
                        Cell from, Cell to);

struct Move {
    Cell from;
    Cell to;
    DropDecision decision;
};

// Every drop by `mover` that would stand, in order of source and target.
std::vector<Move> StandingMoves(const Position& position, Side mover, const CommitmentRecord& record);

// The position with the man on `from` moved to `to`, capturing whatever
// stood there.
Position AfterMove(Position position, Cell from, Cell to);

}  // namespace vintrel
