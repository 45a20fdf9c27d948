// Ratings from a tournament's results: the Bradley-Terry model fitted by
// maximum likelihood, on the Elo scale, anchored to one player, with 95 %
// error bars from the curvature of the likelihood.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vintrel::engine {

// Who played whom: points[i][j] are the points player i took from games
// against j, a draw counting half, and games[i][j] the games they played.
struct ResultsTable {
    explicit ResultsTable(std::size_t players);
    void add(std::size_t winner, std::size_t loser, bool drawn = false);
    std::size_t size() const { return games.size(); }

    std::vector<std::vector<double>> points;
    std::vector<std::vector<double>> games;
};

struct Rating {
    double elo = 0;
    double error95 = 0;  // half the width of the 95 % interval
};

// The ratings of every player, `anchor` set to `anchorElo`. Each pairing
// that played counts one draw more than it had, so that a player who won
// or lost every game still gets a finite rating.
std::vector<Rating> FitRatings(const ResultsTable& results, std::size_t anchor, double anchorElo);

// The expected score of a player `elo` stronger than his opponent.
double ExpectedScore(double elo);

}  // namespace vintrel::engine
