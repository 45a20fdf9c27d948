#include "tournament.h"

#include "engine_process.h"
#include "openings.h"
#include "tournament_game.h"
#include "zobrist.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace vintrel::engine {
namespace {

// A pair of games: the same opening, each entrant red once.
struct PairJob {
    std::size_t first, second;
    int index;  // the opening's, shared by every pairing
};

struct PairOutcome {
    double firstPoints = 0;  // of the pair's two
    std::string score;       // "1.5-0.5"
};

std::vector<PairJob> Schedule(const TournamentOptions& options) {
    std::vector<PairJob> jobs;
    const std::size_t n = options.entrants.size();
    for (int pair = 0; pair < options.games / 2; ++pair)
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = i + 1; j < n; ++j) jobs.push_back({i, j, pair});
    return jobs;
}

std::unique_ptr<Player> Instance(const Entrant& entrant, const Budget& budget) {
    if (!entrant.command.empty()) return std::make_unique<EngineProcess>(entrant.command, entrant.go);
    return PlayerNamed(entrant.name, budget);
}

// The results as pairs end, shared by the threads that play them; every
// member behind the lock.
class Scoreboard {
public:
    Scoreboard(const TournamentOptions& options, const std::function<void(const std::string&)>& tell)
        : options_(options), tell_(tell), results_(options.entrants.size()), sprt_(options.sprt.value_or(SprtBounds{})) {
        if (!options.gamesFile.empty()) games_.open(options.gamesFile, std::ios::trunc);
        if (!options.gamesFile.empty() && !games_) throw std::runtime_error("cannot write " + options.gamesFile);
    }

    void record(const PairJob& job, const GameRecord (&games)[2], int round);
    void fail(const std::string& what);
    bool done() const { return done_.load(); }
    TournamentResult result() const;

private:
    void write(const PairJob& job, const GameRecord (&games)[2], int round);

    const TournamentOptions& options_;
    const std::function<void(const std::string&)>& tell_;
    std::mutex lock_;
    ResultsTable results_;
    Sprt sprt_;
    int pairs_ = 0;
    std::ofstream games_;
    std::atomic<bool> done_{false};
    std::string failure_;
};

// The first entrant of the job is red in the first game.
double PointsOfFirst(const GameRecord& game, bool firstIsRed) {
    if (game.drawn) return 0.5;
    return (game.winner == Side::Red) == firstIsRed ? 1 : 0;
}

void Scoreboard::record(const PairJob& job, const GameRecord (&games)[2], int round) {
    const std::lock_guard guard(lock_);
    if (done_) return;
    double points = 0;
    for (int g = 0; g < 2; ++g) {
        const double p = PointsOfFirst(games[g], g == 0);
        points += p;
        p == 0.5 ? results_.add(job.first, job.second, true) : p == 1 ? results_.add(job.first, job.second)
                                                                       : results_.add(job.second, job.first);
    }
    write(job, games, round);
    ++pairs_;
    char line[256];
    std::snprintf(line, sizeof line, "pair %d: %s vs %s %.1f-%.1f", pairs_, options_.entrants[job.first].name.c_str(),
                  options_.entrants[job.second].name.c_str(), points, 2 - points);
    std::string told = line;
    if (options_.sprt) {
        sprt_.addPair(points);
        told += ", " + sprt_.progress();
        if (sprt_.verdict() != SprtVerdict::Continue) done_ = true;
    }
    tell_(told);
}

void Scoreboard::write(const PairJob& job, const GameRecord (&games)[2], int round) {
    if (!games_.is_open()) return;
    const std::string& a = options_.entrants[job.first].name;
    const std::string& b = options_.entrants[job.second].name;
    games_ << WrittenGame(games[0], a, b, round) << '\n' << WrittenGame(games[1], b, a, round) << '\n' << std::flush;
}

void Scoreboard::fail(const std::string& what) {
    const std::lock_guard guard(lock_);
    if (failure_.empty()) failure_ = what;
    done_ = true;
}

TournamentResult Scoreboard::result() const {
    if (!failure_.empty()) throw std::runtime_error(failure_);
    TournamentResult result;
    result.results = results_;
    result.pairs = pairs_;
    result.verdict = options_.sprt ? sprt_.verdict() : SprtVerdict::Continue;
    result.sprtProgress = sprt_.progress();
    return result;
}

void PlayPair(const TournamentOptions& options, const PairJob& job, Scoreboard& board) {
    const std::uint64_t pairSeed = zobrist::Mix(options.seed * 1'000'003 + std::uint64_t(job.index));
    const std::vector<Move> opening = BalancedOpening(pairSeed);
    const Entrant &a = options.entrants[job.first], &b = options.entrants[job.second];
    GameRecord games[2];
    for (int g = 0; g < 2; ++g) {
        const auto red = Instance(g == 0 ? a : b, options.budget), blue = Instance(g == 0 ? b : a, options.budget);
        games[g] = PlayGame(*red, *blue, opening, pairSeed + 1 + std::uint64_t(g));
    }
    board.record(job, games, job.index + 1);
}

void Work(const TournamentOptions& options, const std::vector<PairJob>& jobs, std::atomic<std::size_t>& next,
          Scoreboard& board) {
    try {
        for (std::size_t i; !board.done() && (i = next++) < jobs.size();) PlayPair(options, jobs[i], board);
    } catch (const std::exception& error) {
        board.fail(error.what());
    }
}

std::size_t AnchorOf(const TournamentOptions& options) {
    for (std::size_t i = 0; i < options.entrants.size(); ++i)
        if (options.entrants[i].name == options.anchor) return i;
    return 0;
}

void PrintTable(const TournamentOptions& options, const TournamentResult& result) {
    std::vector<std::size_t> order(result.ratings.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::ranges::sort(order, [&](std::size_t a, std::size_t b) { return result.ratings[a].elo > result.ratings[b].elo; });
    std::printf("%-4s %-16s %7s %7s %7s %7s\n", "rank", "name", "elo", "+/-", "games", "score");
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const std::size_t i = order[rank];
        double games = 0, points = 0;
        for (std::size_t j = 0; j < order.size(); ++j) games += result.results.games[i][j], points += result.results.points[i][j];
        std::printf("%-4zu %-16s %7.0f %7.0f %7.0f %6.1f%%\n", rank + 1, options.entrants[i].name.c_str(),
                    result.ratings[i].elo, result.ratings[i].error95, games, games ? 100 * points / games : 0);
    }
}

}  // namespace

TournamentResult PlayTournament(const TournamentOptions& options, const std::function<void(const std::string&)>& tell) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<PairJob> jobs = Schedule(options);
    Scoreboard board(options, tell);
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < options.concurrency; ++t)
        threads.emplace_back([&] { Work(options, jobs, next, board); });
    for (std::thread& thread : threads) thread.join();
    TournamentResult result = board.result();
    result.ratings = FitRatings(result.results, AnchorOf(options), options.anchorElo);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

int RunTournament(const TournamentOptions& options) {
    TournamentResult result;
    try {
        result = PlayTournament(options, [](const std::string& line) { std::printf("%s\n", line.c_str()), std::fflush(stdout); });
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vintrel-engine: %s\n", error.what());
        return 1;
    }
    PrintTable(options, result);
    if (options.sprt)
        std::printf("SPRT: %s after %d pairs, %s\n", VerdictText(result.verdict).c_str(), result.pairs,
                    result.sprtProgress.c_str());
    const double games = 2.0 * result.pairs;
    std::printf("%.0f games in %.1f s, %.2f games a minute, concurrency %d\n", games, result.seconds,
                result.seconds > 0 ? 60 * games / result.seconds : 0, options.concurrency);
    return 0;
}

}  // namespace vintrel::engine
