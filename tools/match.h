// Matches between two players: games in pairs with colours swapped, each
// pair opening with the same random moves.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vintrel::engine {

struct MatchOptions {
    std::string first;
    std::string second;
    int games = 2;
    std::uint64_t seed = 1;
    // Caps the searches of the engine's levels, for short matches.
    std::uint64_t nodeCap = UINT64_MAX;
    // Divides each level's budget, keeping the levels' balance.
    std::uint64_t nodeDivisor = 1;
    // Told each game's winner as it ends, or "draw".
    std::function<void(int game, const std::string& winner)> onGame;
};

struct SideFigures {
    std::vector<double> seconds;  // one for each move chosen
    long depthSum = 0;
};

struct MatchResult {
    int wins = 0, losses = 0, draws = 0;  // of the first player
    SideFigures first, second;

    // Wins and half the draws, in percent of the games.
    double score() const;
};

// Plays the match. Throws std::invalid_argument for a player unknown and
// std::runtime_error when a player's move would not stand.
MatchResult PlayMatch(const MatchOptions& options);

// Plays the match and prints its figures; the last line is the result.
// Returns non-zero when a player is unknown or a player's move would not
// stand.
int RunMatch(const MatchOptions& options);

}  // namespace vintrel::engine
