// Where a held man may be dropped: the diamonds a drop would stand on.
#pragma once

#include "board.h"
#include "game.h"

#include <bitset>

namespace vintrel {

using CellSet = std::bitset<CellCount>;

// The drops of the man on `from` that `game` would accept, so exactly the
// capture when one is owed; none for a man whose side is not to move, or
// once the game is over.
CellSet TargetsOf(const Game& game, Cell from);

}  // namespace vintrel
