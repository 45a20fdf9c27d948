// vintrel-engine perft D
// vintrel-engine match A B [--games N] [--seed S]
// vintrel-engine analyse FILE [--level L]
// vintrel-engine bench
#include "analyse.h"
#include "bench.h"
#include "match.h"
#include "move_generation.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
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
                 "       vintrel-engine analyse FILE [--level L]\n"
                 "       vintrel-engine bench\n"
                 "players: random, greedy, easy, medium, hard; levels: easy, medium, hard\n");
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
    return Usage();
}
