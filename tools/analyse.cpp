#include "analyse.h"

#include "analysis.h"
#include "notation.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace vintrel::engine {
namespace {

// A text one byte longer than a game may be is enough to refuse it.
std::optional<std::string> FileText(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(MaxGameTextBytes + 1, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    if (in.bad()) return std::nullopt;
    text.resize(std::size_t(in.gcount()));
    return text;
}

// A file may hold several games, one after another, each from its Event
// tag on; one without tags is a single game.
std::optional<std::string> NthGame(const std::string& text, int n) {
    const std::string start = "[Event ";
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; (at = text.find(start, at)) != std::string::npos; at += start.size())
        if (at == 0 || text[at - 1] == '\n') starts.push_back(at);
    if (starts.size() <= 1) return n == 1 ? std::optional(text) : std::nullopt;
    if (std::size_t(n) > starts.size()) return std::nullopt;
    const std::size_t end = std::size_t(n) < starts.size() ? starts[std::size_t(n)] : text.size();
    return text.substr(starts[std::size_t(n) - 1], end - starts[std::size_t(n) - 1]);
}

std::string ScoreText(int score) {
    if (IsWin(score)) return "win";
    if (IsLoss(score)) return "loss";
    return (score > 0 ? "+" : "") + std::to_string(score);
}

void PrintLine(std::size_t ply, const Verdict& verdict) {
    const std::string bestText = verdict.best.from == NoCell ? "none" : MoveText(verdict.best);
    std::printf("%3zu. %-4s %-6s  best %-6s %5s   after %5s %.*s\n", ply / 2 + 1, ply % 2 ? "blue" : "red",
                MoveText(verdict.played).c_str(), bestText.c_str(), ScoreText(verdict.bestScore).c_str(),
                ScoreText(verdict.playedScore).c_str(), int(verdict.mark.size()), verdict.mark.data());
}

}  // namespace

std::optional<AnalyseOptions> AnalyseOptionsFrom(const std::vector<std::string>& args) {
    if (args.size() % 2 != 1) return std::nullopt;
    AnalyseOptions options{.file = args[0]};
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const std::optional<Strength> strength = StrengthNamed(args[i + 1]);
        const int game = std::atoi(args[i + 1].c_str());
        if (args[i] == "--level" && strength)
            options.strength = *strength;
        else if (args[i] == "--game" && game > 0)
            options.game = game;
        else
            return std::nullopt;
    }
    return options;
}

int RunAnalyse(const AnalyseOptions& options) {
    const std::optional<std::string> text = FileText(options.file);
    if (!text) {
        std::fprintf(stderr, "vintrel-engine: cannot read %s\n", options.file.c_str());
        return 2;
    }
    const std::optional<std::string> gameText = NthGame(*text, options.game);
    if (!gameText) {
        std::fprintf(stderr, "vintrel-engine: %s holds no game %d\n", options.file.c_str(), options.game);
        return 2;
    }
    const ReadResult read = ReadGame(*gameText);
    if (read.error) {
        std::fprintf(stderr, "%s\n", read.error->describe(options.file).c_str());
        return 2;
    }
    const std::vector<Verdict> verdicts =
        AnalyseGame(Game{}, read.game->moves,
                    {.strength = options.strength, .threads = std::max(std::thread::hardware_concurrency(), 1u)});
    for (std::size_t ply = 0; ply < verdicts.size(); ++ply) PrintLine(ply, verdicts[ply]);
    std::printf("analysed %zu moves: %d blunders\n", verdicts.size(), CountMarked(verdicts));
    return 0;
}

}  // namespace vintrel::engine
