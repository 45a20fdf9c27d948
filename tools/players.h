// The players a match sets against each other: random, greedy, and the
// engine at its levels.
#pragma once

#include "game_state.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vintrel::engine {

struct Choice {
    Move move;
    int depth = 0;  // reached by a search; 0 for players who do not search
};

class Player {
public:
    virtual ~Player() = default;
    // A move that stands, for a game that is not over. `seed` varies from
    // game to game and side to side.
    virtual Choice choose(const GameState& state, std::uint64_t seed) = 0;
};

// One of "random", "greedy", "easy", "medium", "hard"; nullptr for any
// other name. The engine's levels search at most `nodeCap` nodes a move.
std::unique_ptr<Player> PlayerNamed(const std::string& name, std::uint64_t nodeCap = UINT64_MAX);

// A move that stands, drawn evenly by `random`.
Move AnyMove(const GameState& state, std::uint64_t& random);

}  // namespace vintrel::engine
