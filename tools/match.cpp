#include "match.h"

#include "move_generation.h"
#include "players.h"
#include "zobrist.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace vintrel::engine {
namespace {

constexpr int OpeningMovesEachSide = 2;
constexpr int MovesBeforeDraw = 300;

struct Seat {
    Player& player;
    SideFigures& figures;
};

enum class Result { FirstWins, SecondWins, Draw };

bool Stands(const GameState& state, Move move) {
    return !move.isNone() && MoversOf(state).has(move.from) && TargetsOf(state, move.from).has(move.to);
}

Move Timed(Seat seat, const GameState& state, std::uint64_t seed) {
    const auto start = std::chrono::steady_clock::now();
    const Choice choice = seat.player.choose(state, seed);
    seat.figures.seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    seat.figures.depthSum += choice.depth;
    return choice.move;
}

// Plays one game; the side that cannot move loses.
Side PlayedWinner(Seat red, Seat blue, std::uint64_t openingSeed, std::uint64_t gameSeed, bool& drawn) {
    GameState state = GameState::Start();
    std::uint64_t random = openingSeed;
    int moves = 0;
    for (; moves < 2 * OpeningMovesEachSide && !state.isOver(); ++moves) state = state.after(AnyMove(state, random));
    for (; moves < MovesBeforeDraw && !state.isOver(); ++moves) {
        const Seat seat = state.toMove() == Side::Red ? red : blue;
        const Move move = Timed(seat, state, zobrist::Mix(gameSeed + std::uint64_t(moves)));
        if (move.isNone() && CountMoves(state) == 0) return Opponent(state.toMove());
        if (!Stands(state, move)) throw std::runtime_error("a player chose a move that does not stand");
        state = state.after(move);
    }
    drawn = !state.isOver();
    return state.winner();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
    return values[values.size() / 2];
}

void PrintFigures(const std::string& name, const SideFigures& figures) {
    const std::vector<double>& s = figures.seconds;
    double sum = 0;
    for (double value : s) sum += value;
    const double count = double(std::max<std::size_t>(s.size(), 1));
    const double max = s.empty() ? 0 : *std::max_element(s.begin(), s.end());
    std::printf("%s: %zu moves, time a move mean %.1f ms, median %.1f ms, max %.1f ms, mean depth %.1f\n",
                name.c_str(), s.size(), 1000 * sum / count, 1000 * Median(s), 1000 * max,
                double(figures.depthSum) / count);
}

}  // namespace

double MatchResult::score() const {
    const int games = wins + losses + draws;
    return games ? 100.0 * (wins + 0.5 * draws) / games : 0;
}

MatchResult PlayMatch(const MatchOptions& options) {
    const Budget budget{.nodeCap = options.nodeCap, .nodeDivisor = options.nodeDivisor};
    const auto first = PlayerNamed(options.first, budget);
    const auto second = PlayerNamed(options.second, budget);
    if (!first || !second) throw std::invalid_argument("players are random, greedy, easy, medium or hard");
    MatchResult result;
    const Seat a{*first, result.first}, b{*second, result.second};
    for (int game = 0; game < options.games; ++game) {
        const std::uint64_t pairSeed = zobrist::Mix(options.seed * 1'000'003 + std::uint64_t(game / 2));
        const bool firstIsRed = game % 2 == 0;
        bool drawn = false;
        const Side winner = firstIsRed ? PlayedWinner(a, b, pairSeed, pairSeed + 1 + game, drawn)
                                       : PlayedWinner(b, a, pairSeed, pairSeed + 1 + game, drawn);
        const bool firstWon = (winner == Side::Red) == firstIsRed;
        drawn ? ++result.draws : firstWon ? ++result.wins : ++result.losses;
        if (options.onGame) options.onGame(game + 1, drawn ? "draw" : firstWon ? options.first : options.second);
    }
    return result;
}

int RunMatch(const MatchOptions& options) {
    MatchOptions told = options;
    told.onGame = [](int game, const std::string& winner) { std::fprintf(stderr, "game %d: %s\n", game, winner.c_str()); };
    MatchResult result;
    try {
        result = PlayMatch(told);
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "vintrel-engine: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vintrel-engine: %s\n", error.what());
        return 1;
    }
    const bool same = options.first == options.second;
    PrintFigures(options.first + (same ? " (first)" : ""), result.first);
    PrintFigures(options.second + (same ? " (second)" : ""), result.second);
    std::printf("%s vs %s: %d wins, %d losses, %d draws, score %.1f%%\n", options.first.c_str(),
                options.second.c_str(), result.wins, result.losses, result.draws, result.score());
    return 0;
}

}  // namespace vintrel::engine
