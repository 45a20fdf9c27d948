// The rules' geometry as masks, computed once from RangeOf: where a man
// reaches, and how far he stands from the diamond that wins.
#pragma once

#include "cell_mask.h"

#include <array>

namespace vintrel::engine {

namespace detail {
using ReachTable = std::array<std::array<CellMask, CellCount>, 2>;
using DistanceTable = std::array<std::array<std::uint8_t, CellCount>, 2>;
extern const ReachTable Reach;
extern const DistanceTable MovesToCorner;
}  // namespace detail

// The diamonds a man of `side` on `cell` may move to, whatever stands there.
// Reach is symmetric: a man of `side` on X reaches Y exactly when an
// opponent's man on Y reaches X.
inline CellMask ReachOf(Side side, Cell cell) { return detail::Reach[std::size_t(side)][cell]; }

// The fewest moves a man of `side` needs from `cell` to the opponent's
// cornermost diamond on an empty board; NoPath where he cannot get there.
inline constexpr int NoPath = 99;
inline int MovesToCorner(Side side, Cell cell) { return detail::MovesToCorner[std::size_t(side)][cell]; }

}  // namespace vintrel::engine
