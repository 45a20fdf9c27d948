// The worth of a position to the side to move, in hundredths of a man,
// from the game's own features: the men on each side, how near each stands
// to the opponent's corner, the men in reach of each other, and free paths
// to the corner.
#pragma once

#include "game_state.h"

#include <array>

namespace vintrel::engine {

struct EvaluationWeights {
    int man = 100;
    // By moves still needed to reach the corner on an empty board.
    std::array<int, 6> nearCorner = {0, 8, 4, 2, 1, 0};
    // A man no opponent reaches, by the moves of his shortest path to the
    // corner over diamonds that no opponent reaches either.
    std::array<int, 4> freePath = {0, 90, 40, 15};
    // Each of the opponent's men in reach of one of the side to move's,
    // which may take him; and each own man in reach, which may be taken.
    int mayTake = 30;
    int mayBeTaken = 10;
};

inline constexpr EvaluationWeights DefaultWeights{};

int Evaluate(const GameState& state, const EvaluationWeights& weights = DefaultWeights);

}  // namespace vintrel::engine
