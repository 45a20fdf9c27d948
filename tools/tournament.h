// vintrel-engine tournament: the built-in players and engines in other
// processes, every pairing in pairs of games with the colours swapped from
// seeded balanced openings, several games at once; a rating table with
// error bars, every game written down, and a sequential test of two.
#pragma once

#include "players.h"
#include "ratings.h"
#include "sprt.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vintrel::engine {

struct Entrant {
    std::string name;
    // Empty for a built-in player, whose name says which.
    std::string command{};
    std::string go = "level medium";  // what an engine is asked each move
};

struct TournamentOptions {
    std::vector<Entrant> entrants;
    int games = 2;  // for each pairing; with a test, the most it plays
    std::uint64_t seed = 1;
    int concurrency = 1;
    Budget budget;
    std::string gamesFile;  // empty: the games are not written
    std::string anchor;     // empty: the first entrant
    double anchorElo = 1000;
    std::optional<SprtBounds> sprt;  // two entrants only
};

// From the words after "tournament"; none, with the reason, when they are
// not a tournament.
std::optional<TournamentOptions> TournamentOptionsFrom(const std::vector<std::string>& args, std::string& why);

struct TournamentResult {
    ResultsTable results{0};
    std::vector<Rating> ratings;
    SprtVerdict verdict = SprtVerdict::Continue;
    std::string sprtProgress;  // the log-likelihood ratio and its bounds
    int pairs = 0;
    double seconds = 0;
};

// Plays the tournament; `tell` gets a line for every pair played. Throws
// std::runtime_error when a player fails.
TournamentResult PlayTournament(const TournamentOptions& options, const std::function<void(const std::string&)>& tell);

// Plays it and prints the rating table, the test's result, and the games
// a minute. Returns 1 when a player failed.
int RunTournament(const TournamentOptions& options);

}  // namespace vintrel::engine
