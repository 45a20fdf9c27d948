#include "ratings.h"

#include <algorithm>
#include <cmath>

namespace vintrel::engine {
namespace {

using Matrix = std::vector<std::vector<double>>;

// d/d(elo) of the logistic on the Elo scale.
const double EloSlope = std::log(10.0) / 400.0;
constexpr int NewtonSteps = 100;
constexpr double LargestStep = 400;

struct Curvature {
    std::vector<double> gradient;
    Matrix hessian;  // of minus the log-likelihood
};

// Gradient and Hessian of the log-likelihood in the ratings of every
// player but the anchor, whose rows and columns are left out.
Curvature CurvatureAt(const ResultsTable& results, const std::vector<double>& elo) {
    const std::size_t n = results.size();
    Curvature c{std::vector<double>(n, 0), Matrix(n, std::vector<double>(n, 0))};
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j) {
            const double games = results.games[i][j];
            if (i == j || games == 0) continue;
            const double p = ExpectedScore(elo[i] - elo[j]);
            c.gradient[i] += EloSlope * (results.points[i][j] - games * p);
            const double w = EloSlope * EloSlope * games * p * (1 - p);
            c.hessian[i][i] += w;
            c.hessian[i][j] -= w;
        }
    return c;
}

Matrix Without(const Matrix& m, std::size_t row) {
    Matrix reduced;
    for (std::size_t i = 0; i < m.size(); ++i) {
        if (i == row) continue;
        reduced.push_back(m[i]);
        reduced.back().erase(reduced.back().begin() + long(row));
    }
    return reduced;
}

// Gauss-Jordan with partial pivoting; the matrices here are a dozen wide.
Matrix Inverse(Matrix m) {
    const std::size_t n = m.size();
    Matrix inverse(n, std::vector<double>(n, 0));
    for (std::size_t i = 0; i < n; ++i) inverse[i][i] = 1;
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r)
            if (std::abs(m[r][col]) > std::abs(m[pivot][col])) pivot = r;
        std::swap(m[col], m[pivot]);
        std::swap(inverse[col], inverse[pivot]);
        const double scale = m[col][col];
        for (std::size_t k = 0; k < n; ++k) m[col][k] /= scale, inverse[col][k] /= scale;
        for (std::size_t r = 0; r < n; ++r) {
            if (r == col) continue;
            const double factor = m[r][col];
            for (std::size_t k = 0; k < n; ++k) m[r][k] -= factor * m[col][k], inverse[r][k] -= factor * inverse[col][k];
        }
    }
    return inverse;
}

ResultsTable WithPriorDraws(ResultsTable results) {
    for (std::size_t i = 0; i < results.size(); ++i)
        for (std::size_t j = 0; j < results.size(); ++j)
            if (results.games[i][j] > 0) results.games[i][j] += 1, results.points[i][j] += 0.5;
    return results;
}

// One Newton step on every rating but the anchor's; false once it is
// too small to matter.
bool NewtonStep(const ResultsTable& results, std::vector<double>& elo, std::size_t anchor) {
    const Curvature c = CurvatureAt(results, elo);
    const Matrix covariance = Inverse(Without(c.hessian, anchor));
    std::vector<double> gradient = c.gradient;
    gradient.erase(gradient.begin() + long(anchor));
    double largest = 0;
    for (std::size_t i = 0, row = 0; i < elo.size(); ++i) {
        if (i == anchor) continue;
        double step = 0;
        for (std::size_t k = 0; k < gradient.size(); ++k) step += covariance[row][k] * gradient[k];
        step = std::clamp(step, -LargestStep, LargestStep);
        elo[i] += step;
        largest = std::max(largest, std::abs(step));
        ++row;
    }
    return largest > 1e-6;
}

}  // namespace

ResultsTable::ResultsTable(std::size_t players)
    : points(players, std::vector<double>(players, 0)), games(players, std::vector<double>(players, 0)) {}

void ResultsTable::add(std::size_t winner, std::size_t loser, bool drawn) {
    games[winner][loser] += 1;
    games[loser][winner] += 1;
    points[winner][loser] += drawn ? 0.5 : 1;
    points[loser][winner] += drawn ? 0.5 : 0;
}

double ExpectedScore(double elo) { return 1 / (1 + std::pow(10.0, -elo / 400)); }

std::vector<Rating> FitRatings(const ResultsTable& table, std::size_t anchor, double anchorElo) {
    const ResultsTable results = WithPriorDraws(table);
    std::vector<double> elo(results.size(), 0);
    if (results.size() < 2) return {Rating{anchorElo, 0}};
    for (int step = 0; step < NewtonSteps && NewtonStep(results, elo, anchor); ++step) {}
    const Matrix covariance = Inverse(Without(CurvatureAt(results, elo).hessian, anchor));
    std::vector<Rating> ratings;
    for (std::size_t i = 0, row = 0; i < elo.size(); ++i) {
        const double variance = i == anchor ? 0 : covariance[row][row];
        if (i != anchor) ++row;
        ratings.push_back({anchorElo + elo[i] - elo[anchor], 1.96 * std::sqrt(std::max(variance, 0.0))});
    }
    return ratings;
}

}  // namespace vintrel::engine
