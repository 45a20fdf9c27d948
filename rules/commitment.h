// Commitment: a man that has just moved into the range of an opponent's
// man must be captured by the opponent on his next move.
#pragma once

#include "board.h"

namespace vintrel {

// Whether the man of `side` that has just moved to `cell` stands in reach
// of an opponent's man. Reach is symmetric, so this looks along the moved
// man's own directions; a diamond two steps away counts whatever stands
// between.
bool StandsCommitted(const Position& position, Side side, Cell cell);

// A window's record of the men each side is bound to capture.
struct CommitmentRecord {
    bool H1Com = false;       // a red man is committed: blue must capture it
    Cell H1ComCell = NoCell;  // ... on this cell
    bool H3Com = false;       // a blue man is committed: red must capture it
    Cell H3ComCell = NoCell;  // ... on this cell

    bool operator==(const CommitmentRecord&) const = default;
};

// The record after a move of `mover` that stood, landing on `to` in
// `after`: the moved man may be committed, and whatever obligation the
// mover had, the move met it.
CommitmentRecord RecordAfterMove(const Position& after, Side mover, Cell to);

// The cell of the opponent's man that `mover` must capture, or NoCell.
// An obligation whose man has gone binds nobody.
Cell ObligationOf(const CommitmentRecord& record, const Position& position, Side mover);

}  // namespace vintrel
