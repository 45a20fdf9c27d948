// Matches between two players: games in pairs with colours swapped, each
// pair opening with the same random moves.
#pragma once

#include <cstdint>
#include <string>

namespace vintrel::engine {

struct MatchOptions {
    std::string first;
    std::string second;
    int games = 2;
    std::uint64_t seed = 1;
};

// Plays the match and prints its figures; the last line is the result.
// Returns non-zero when a player is unknown or a player's move would not
// stand.
int RunMatch(const MatchOptions& options);

}  // namespace vintrel::engine
