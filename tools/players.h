// The players a match sets against each other: random, greedy, and the
// engine at its levels.
#pragma once

#include "game_state.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
    // The same, for a player who needs the moves that led to `state`.
    virtual Choice chooseInGame(const std::vector<Move>& played, const GameState& state, std::uint64_t seed) {
        (void)played;
        return choose(state, seed);
    }
};

// What the engine's levels may spend on a move.
struct Budget {
    std::uint64_t nodeCap = UINT64_MAX;
    // Each level's budget in nodes divided by this: the levels' balance at
    // a fraction of their time, for matches that must be short.
    std::uint64_t nodeDivisor = 1;
    // The time each level may take in the windows, on top of its nodes.
    bool windowsTimeCaps = false;
};

// One of "random", "greedy", "easy", "medium", "hard"; nullptr for any
// other name. The engine's levels search at most `nodeCap` nodes a move.
std::unique_ptr<Player> PlayerNamed(const std::string& name, std::uint64_t nodeCap = UINT64_MAX);
std::unique_ptr<Player> PlayerNamed(const std::string& name, const Budget& budget);

// A move that stands, drawn evenly by `random`.
Move AnyMove(const GameState& state, std::uint64_t& random);

}  // namespace vintrel::engine
