// The openings of a tournament: a few seeded random moves a side, kept only
// when a short search finds the position about even, so that neither
// colour of a pair starts from a game already won.
#pragma once

#include "game_state.h"

#include <cstdint>
#include <vector>

namespace vintrel::engine {

inline constexpr int OpeningMovesEachSide = 2;
// Hundredths of a man, at the search depth below.
inline constexpr int BalancedWithin = 40;
inline constexpr int BalanceDepth = 4;

// The same seed gives the same opening.
std::vector<Move> BalancedOpening(std::uint64_t seed);

}  // namespace vintrel::engine
