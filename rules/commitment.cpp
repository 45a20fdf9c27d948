#include "commitment.h"

#include "range.h"

namespace vintrel {

bool StandsCommitted(const Position& position, Side side, Cell cell) {
    for (Cell reached : RangeOf(side, cell))
        if (position[reached] == ManOf(Opponent(side))) return true;
    return false;
}

Cell ObligationOf(const CommitmentRecord& record, const Position& position, Side mover) {
    const bool committed = mover == Side::Red ? record.H3Com : record.H1Com;
    const Cell cell = mover == Side::Red ? record.H3ComCell : record.H1ComCell;
    // A flag without a cell can be left by a reset; it binds nobody.
    if (!committed || !IsOnBoard(cell)) return NoCell;
    return position[cell] == ManOf(Opponent(mover)) ? cell : NoCell;
}

}  // namespace vintrel
