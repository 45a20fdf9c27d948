#include "analysis.h"

#include "evaluation.h"
#include "move_generation.h"
#include "zobrist.h"

#include <algorithm>
#include <thread>

namespace vintrel::engine {
namespace {

bool Cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

GameState StateOf(const Game& game) {
    const Cell mustCapture = ObligationOf(game.commitments(), game.position(), game.toMove());
    return GameState::From(game.position(), game.toMove(), mustCapture);
}

std::vector<GameState> PositionsBefore(Game game, std::span<const PlayedMove> moves) {
    std::vector<GameState> positions;
    positions.reserve(moves.size());
    for (const PlayedMove& move : moves) {
        positions.push_back(StateOf(game));
        game.play(move.from, move.to);
    }
    return positions;
}

// Seeded by the move, so that every run gives the same; and without the
// noise a weak level plays with, which would mark good moves as bad.
Level LevelAt(Strength strength, std::size_t ply) {
    Level level = LevelOf(strength, zobrist::Mix(ply));
    level.limits.rootNoise = 0;
    return level;
}

// The search leaves a position with a single move unscored, as a player
// has nothing to choose there; the analysis follows such forced moves
// until there is a choice to score.
SearchResult Searched(const GameState& state, const Level& level, const std::atomic<bool>* cancel, int forced = 0) {
    SearchResult result = ChooseMove(state, level, cancel);
    if (result.move.isNone() || IsWinScore(result.score) || forced >= MaxPly || CountMoves(state) != 1) return result;
    result.score = -Searched(state.after(result.move), level, cancel, forced + 1).score;
    return result;
}

int RedScoreOf(Side mover, int score) {
    const int hundredths = score * 100 / DefaultWeights.man;
    const int clipped = std::clamp(hundredths, -GraphScoreLimit, GraphScoreLimit);
    return mover == Side::Red ? clipped : -clipped;
}

Verdict Judge(const GameState& before, const PlayedMove& played, const Level& level,
              const std::atomic<bool>* cancel) {
    const SearchResult best = Searched(before, level, cancel);
    Verdict verdict;
    verdict.played = played;
    verdict.bestScore = best.score;
    if (!best.move.isNone()) verdict.best = {best.move.from, best.move.to, before.captures(best.move)};
    const GameState after = before.after({played.from, played.to});
    // A win at once scores as the search would score it from before.
    verdict.playedScore = after.isOver() ? WinScore - 1 : -Searched(after, level, cancel).score;
    if (IsWin(verdict.bestScore) && !IsWin(verdict.playedScore))
        verdict.mark = "??";
    else if (verdict.bestScore - verdict.playedScore >= DefaultWeights.man)
        verdict.mark = "?";
    verdict.redScore = RedScoreOf(before.toMove(), verdict.playedScore);
    return verdict;
}

}  // namespace

std::vector<Verdict> AnalyseGame(const Game& start, std::span<const PlayedMove> moves,
                                 const AnalysisOptions& options) {
    const std::vector<GameState> positions = PositionsBefore(start, moves);
    std::vector<Verdict> verdicts;
    verdicts.reserve(moves.size());
    for (const PlayedMove& move : moves) verdicts.emplace_back().played = move;
    std::atomic<std::size_t> next = 0, judged = 0;
    auto judgeInTurn = [&] {
        for (std::size_t ply = next++; ply < positions.size() && !Cancelled(options.cancel); ply = next++) {
            Verdict verdict = Judge(positions[ply], moves[ply], LevelAt(options.strength, ply), options.cancel);
            // A search cut short by the cancel judges nothing.
            if (Cancelled(options.cancel)) return;
            verdict.judged = true;
            verdicts[ply] = verdict;
            const std::size_t count = ++judged;
            if (options.onProgress) options.onProgress(count, positions.size());
        }
    };
    std::vector<std::jthread> helpers;
    const std::size_t threads = std::min<std::size_t>(std::max(options.threads, 1u), positions.size());
    for (std::size_t i = 1; i < threads; ++i) helpers.emplace_back(judgeInTurn);
    judgeInTurn();
    helpers.clear();
    return verdicts;
}

int CountMarked(std::span<const Verdict> verdicts) {
    return int(std::ranges::count_if(verdicts, [](const Verdict& verdict) { return !verdict.mark.empty(); }));
}

}  // namespace vintrel::engine
