#include "targets.h"

#include "range.h"

namespace vintrel {

CellSet TargetsOf(const Game& game, Cell from) {
    CellSet targets;
    const Side mover = game.toMove();
    if (game.isOver() || !IsOnBoard(from) || game.position()[from] != ManOf(mover)) return targets;
    // No drop out of range stands, so the range is all there is to try.
    for (Cell to : RangeOf(mover, from))
        targets[std::size_t(to)] =
            Stands(DecideDrop(game.position(), mover, game.commitments(), from, to).outcome);
    return targets;
}

}  // namespace vintrel
