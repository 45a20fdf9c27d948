// A sequential probability ratio test of one player against another on the
// Elo scale: a generalized SPRT on the scores of pairs of games, each pair
// one opening played with both colours, which counts the pairs' own spread
// rather than pretending the two games were independent.
#pragma once

#include <array>
#include <string>

namespace vintrel::engine {

struct SprtBounds {
    double elo0 = 0, elo1 = 5;
    double alpha = 0.05, beta = 0.05;
};

enum class SprtVerdict { Continue, AcceptH0, AcceptH1 };

class Sprt {
public:
    explicit Sprt(const SprtBounds& bounds) : bounds_(bounds) {}

    // The first player's points from one pair of games: 0, 0.5, 1, 1.5 or 2.
    void addPair(double points);
    // The log-likelihood ratio of H1 (elo1) against H0 (elo0).
    double llr() const;
    double lowerBound() const;  // at or below: H0 is accepted
    double upperBound() const;  // at or above: H1 is accepted
    SprtVerdict verdict() const;
    int pairs() const;
    // "LLR 1.23 [-2.94, 2.94]"
    std::string progress() const;

private:
    SprtBounds bounds_;
    // Pairs by the first player's points: 0, 0.5, 1, 1.5, 2.
    std::array<int, 5> pentanomial_{};
};

std::string VerdictText(SprtVerdict verdict);

}  // namespace vintrel::engine
