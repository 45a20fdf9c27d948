// The computer's levels of play, and the one call a player makes of the
// engine: from a position and a level, a move.
#pragma once

#include "search.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vintrel::engine {

enum class Strength : std::uint8_t { Easy, Medium, Hard, Expert };

// A level is a budget plus a seed: with both fixed, the same position
// always gets the same move.
struct Level {
    SearchLimits limits;
    int tableSizeLog2 = 16;
};

Level LevelOf(Strength strength, std::uint64_t seed);
std::string_view NameOf(Strength strength);
std::optional<Strength> StrengthNamed(std::string_view name);
// The most a level may think in the windows, where a player waits for it:
// on a slow or busy machine the clock ends the search before its nodes do.
// Zero for a level that is always quick.
std::chrono::milliseconds WindowsTimeCapOf(Strength strength);

// Searches on the calling thread. Setting `cancel`, from any thread, ends
// the search within a few thousand nodes with the best move found so far.
// The move is none only when the game is over or the side has no move.
SearchResult ChooseMove(const GameState& state, const Level& level, const std::atomic<bool>* cancel = nullptr);

}  // namespace vintrel::engine
