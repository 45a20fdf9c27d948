#include "analyse.h"

#include "move_generation.h"
#include "notation.h"
#include "zobrist.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vintrel::engine {
namespace {

struct Judgement {
    SearchResult best;  // the level's choice before the move
    int after = 0;      // the move played, for its mover
    const char* mark = "";
};

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

GameState StateOf(const Game& game) {
    const Cell mustCapture = ObligationOf(game.commitments(), game.position(), game.toMove());
    return GameState::From(game.position(), game.toMove(), mustCapture);
}

// The search leaves a position with a single move unscored, as a player
// has nothing to choose there; the analysis follows such forced moves
// until there is a choice to score.
SearchResult Searched(const GameState& state, const Level& level, int forced = 0) {
    SearchResult result = ChooseMove(state, level);
    if (result.move.isNone() || IsWinScore(result.score) || forced >= MaxPly || CountMoves(state) != 1) return result;
    result.score = -Searched(state.after(result.move), level, forced + 1).score;
    return result;
}

Judgement Judge(const Game& game, const PlayedMove& played, const Level& level) {
    const GameState before = StateOf(game);
    Judgement judgement{Searched(before, level)};
    const GameState after = before.after({played.from, played.to});
    // A win at once scores as the search would score it from before.
    judgement.after = after.isOver() ? WinScore - 1 : -Searched(after, level).score;
    if (IsWin(judgement.best.score) && !IsWin(judgement.after))
        judgement.mark = "??";
    else if (judgement.best.score - judgement.after >= DefaultWeights.man)
        judgement.mark = "?";
    return judgement;
}

std::string ScoreText(int score) {
    if (IsWin(score)) return "win";
    if (IsLoss(score)) return "loss";
    return (score > 0 ? "+" : "") + std::to_string(score);
}

void PrintLine(std::size_t ply, const PlayedMove& played, const GameState& before, const Judgement& judgement) {
    const Move best = judgement.best.move;
    const std::string bestText = best.isNone() ? "none" : MoveText({best.from, best.to, before.captures(best)});
    std::printf("%3zu. %-4s %-6s  best %-6s %5s   after %5s %s\n", ply / 2 + 1, ply % 2 ? "blue" : "red",
                MoveText(played).c_str(), bestText.c_str(), ScoreText(judgement.best.score).c_str(),
                ScoreText(judgement.after).c_str(), judgement.mark);
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
    Game game;
    int blunders = 0;
    for (const PlayedMove& played : read.game->moves) {
        const std::size_t ply = game.moves().size();
        // Seeded by the move, so that every run prints the same; and
        // without the noise a weak level plays with, which would mark
        // good moves as bad.
        Level level = LevelOf(options.strength, zobrist::Mix(ply));
        level.limits.rootNoise = 0;
        const Judgement judgement = Judge(game, played, level);
        PrintLine(ply, played, StateOf(game), judgement);
        blunders += *judgement.mark != '\0';
        game.play(played.from, played.to);
    }
    std::printf("analysed %zu moves: %d blunders\n", read.game->moves.size(), blunders);
    return 0;
}

}  // namespace vintrel::engine
