#include "commitment.h"

#include "range.h"

namespace vintrel {

bool StandsCommitted(const Position& position, Side side, Cell cell) {
    for (Cell reached : RangeOf(side, cell))
        if (position[reached] == ManOf(Opponent(side))) return true;
    return false;
}

CommitmentRecord RecordAfterMove(const Position& after, Side mover, Cell to) {
    const bool committed = StandsCommitted(after, mover, to);
    const Cell committedCell = committed ? to : NoCell;
    CommitmentRecord record;
    if (mover == Side::Red) {
        record.H1Com = committed;
        record.H1ComCell = committedCell;
    } else {
        record.H3Com = committed;
        record.H3ComCell = committedCell;
    }
    return record;
}

Cell ObligationOf(const CommitmentRecord& record, const Position& position, Side mover) {
    const bool committed = mover == Side::Red ? record.H3Com : record.H1Com;
    const Cell cell = mover == Side::Red ? record.H3ComCell : record.H1ComCell;
    // A flag without a cell can be left by a reset; it binds nobody.
    if (!committed || !IsOnBoard(cell)) return NoCell;
    return position[cell] == ManOf(Opponent(mover)) ? cell : NoCell;
}

}  // namespace vintrel
