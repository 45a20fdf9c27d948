// The search's signature: the nodes a fixed-depth search of a fixed set of
// positions visits. A change that does not mean to change the search keeps
// the count; one that does states its new count.
#pragma once

#include "game_state.h"

#include <cstdint>
#include <vector>

namespace vintrel::engine {

inline constexpr int BenchDepth = 5;

// Thirty positions of games opened by seeded random moves, from early on
// to well into the game, none of them over.
std::vector<GameState> BenchPositions();

struct BenchFigures {
    std::uint64_t nodes = 0;
    double milliseconds = 0;
};

// Each position searched to `depth` with a table of its own.
BenchFigures RunBench(int depth = BenchDepth);

// Prints the figures; the last line is "bench: N nodes, T ms, S nodes/s".
int PrintBench();

}  // namespace vintrel::engine
