// vintrel-engine perft D
// vintrel-engine match A B [--games N] [--seed S]
// vintrel-engine analyse FILE [--level L] [--game K]
// vintrel-engine bench
// vintrel-engine play
// vintrel-engine tournament PLAYERS... [options]
#include "analyse.h"
#include "bench.h"
#include "match.h"
#include "move_generation.h"
#include "protocol.h"
#include "tournament.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

using vintrel::engine::GameState;

int RunPerft(int depth) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const std::uint64_t leaves = vintrel::engine::Perft(GameState::Start(), depth);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("perft(%d) = %llu\n", depth, static_cast<unsigned long long>(leaves));
    std::printf("%.3f s, %.0f M nodes/s\n", seconds, seconds > 0 ? leaves / seconds / 1e6 : 0.0);
    return 0;
}

bool ParseNumber(const std::string& text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0';
}

int Usage() {
    std::fprintf(stderr,
                 "usage: vintrel-engine perft D\n"
                 "       vintrel-engine match A B [--games N] [--seed S]\n"
                 "       vintrel-engine analyse FILE [--level L] [--game K]\n"
                 "       vintrel-engine bench\n"
                 "       vintrel-engine play\n"
                 "       vintrel-engine tournament PLAYER... [--engine name=N,cmd=C[,go=G]]... [--games N]\n"
                 "           [--seed S] [--concurrency N] [--nodes N] [--node-divisor D] [--time-caps]\n"
                 "           [--anchor NAME[=ELO]] [--pgn FILE] [--sprt ELO0 ELO1 ALPHA BETA]\n"
                 "players: random, greedy, easy, medium, hard, expert; levels: easy, medium, hard, expert\n");
    return 2;
}

int Match(const std::vector<std::string>& args) {
    vintrel::engine::MatchOptions options;
    options.first = args[0];
    options.second = args[1];
    for (std::size_t i = 2; i + 1 < args.size() + 1; i += 2) {
        unsigned long long value = 0;
        if (i + 1 >= args.size() || !ParseNumber(args[i + 1], value)) return Usage();
        if (args[i] == "--games" && value > 0 && value < 1'000'000)
            options.games = int(value);
        else if (args[i] == "--seed")
            options.seed = value;
        else
            return Usage();
    }
    return vintrel::engine::RunMatch(options);
}

int Tournament(const std::vector<std::string>& args) {
    std::string why;
    const auto options = vintrel::engine::TournamentOptionsFrom(args, why);
    if (options) return vintrel::engine::RunTournament(*options);
    std::fprintf(stderr, "vintrel-engine: %s\n", why.c_str());
    return Usage();
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    unsigned long long depth = 0;
    if (args.size() == 2 && args[0] == "perft" && ParseNumber(args[1], depth) && depth <= 12)
        return RunPerft(int(depth));
    if (args.size() >= 3 && args[0] == "match") return Match({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "analyse") {
        const auto options = vintrel::engine::AnalyseOptionsFrom({args.begin() + 1, args.end()});
        return options ? vintrel::engine::RunAnalyse(*options) : Usage();
    }
    if (args.size() == 1 && args[0] == "bench") return vintrel::engine::PrintBench();
    if (args.size() == 1 && args[0] == "play") {
        std::ios::sync_with_stdio(false);
        return vintrel::engine::RunProtocol(std::cin, std::cout);
    }
    if (!args.empty() && args[0] == "tournament") return Tournament({args.begin() + 1, args.end()});
    return Usage();
}
