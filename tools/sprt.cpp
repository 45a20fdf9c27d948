#include "sprt.h"

#include "ratings.h"

#include <cmath>
#include <cstdio>

namespace vintrel::engine {
namespace {

// Half a pair of each kind, for the spread only: it keeps the variance of
// the first few pairs, alike by chance, away from zero.
constexpr double PriorPairs = 0.5;

}  // namespace

void Sprt::addPair(double points) {
    const int index = int(std::lround(points * 2));
    if (index >= 0 && index < int(pentanomial_.size())) ++pentanomial_[std::size_t(index)];
}

int Sprt::pairs() const {
    int total = 0;
    for (int count : pentanomial_) total += count;
    return total;
}

// The normal approximation of the generalized SPRT: with the pair score x
// in [0, 1], mean m and variance v over N pairs,
//   LLR = N (s1 - s0) (2 m - s0 - s1) / (2 v),
// s0 and s1 the expected scores under H0 and H1.
double Sprt::llr() const {
    const int n = pairs();
    if (n == 0) return 0;
    double sum = 0, priorSum = 0, priorSquares = 0, priorCount = 0;
    for (std::size_t k = 0; k < pentanomial_.size(); ++k) {
        const double x = double(k) / 4, count = pentanomial_[k];
        sum += count * x;
        priorCount += count + PriorPairs;
        priorSum += (count + PriorPairs) * x;
        priorSquares += (count + PriorPairs) * x * x;
    }
    const double mean = sum / n;
    const double priorMean = priorSum / priorCount;
    const double variance = priorSquares / priorCount - priorMean * priorMean;
    const double s0 = ExpectedScore(bounds_.elo0), s1 = ExpectedScore(bounds_.elo1);
    return n * (s1 - s0) * (2 * mean - s0 - s1) / (2 * variance);
}

double Sprt::lowerBound() const { return std::log(bounds_.beta / (1 - bounds_.alpha)); }
double Sprt::upperBound() const { return std::log((1 - bounds_.beta) / bounds_.alpha); }

SprtVerdict Sprt::verdict() const {
    const double value = llr();
    if (value >= upperBound()) return SprtVerdict::AcceptH1;
    if (value <= lowerBound()) return SprtVerdict::AcceptH0;
    return SprtVerdict::Continue;
}

std::string Sprt::progress() const {
    char text[96];
    std::snprintf(text, sizeof text, "LLR %.2f [%.2f, %.2f]", llr(), lowerBound(), upperBound());
    return text;
}

std::string VerdictText(SprtVerdict verdict) {
    switch (verdict) {
        case SprtVerdict::AcceptH0: return "H0 accepted";
        case SprtVerdict::AcceptH1: return "H1 accepted";
        case SprtVerdict::Continue: break;
    }
    return "no decision";
}

}  // namespace vintrel::engine
