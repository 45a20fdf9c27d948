// A game's moves, each set beside the move a level of the engine would
// have chosen, and the moves that throw something away marked: what the
// engine's tool prints and the analysis window shows.
#pragma once

#include "game.h"
#include "levels.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace vintrel::engine {

// The graph's scores stop here, ten men either way: beyond, a game is won.
inline constexpr int GraphScoreLimit = 1000;

struct Verdict {
    PlayedMove played;
    // The level's choice before the move; `from` is NoCell when the mover
    // had none.
    PlayedMove best;
    int bestScore = 0;    // for the mover, before the move
    int playedScore = 0;  // for the mover, after the move played
    // "?" for a man or more thrown away, "??" for a win let go.
    std::string_view mark;
    // After the move, from red's side, in hundredths of a man within
    // ±GraphScoreLimit.
    int redScore = 0;
    // False for a position a cancel left unjudged.
    bool judged = false;

    bool operator==(const Verdict&) const = default;
};

struct AnalysisOptions {
    Strength strength = Strength::Medium;
    // The calling thread is one of them.
    unsigned threads = 1;
    // Setting it, from any thread, ends the analysis within a few thousand
    // nodes; what was judged by then is kept.
    const std::atomic<bool>* cancel = nullptr;
    // Told, on the thread that judged it, of each position judged: how
    // many are by now, of how many.
    std::function<void(std::size_t judged, std::size_t total)> onProgress{};
};

// A verdict a move of `moves`, played from `start`, in their order. Each
// position is judged with a seed of its own, so the verdicts are the same
// whatever the number of threads.
std::vector<Verdict> AnalyseGame(const Game& start, std::span<const PlayedMove> moves,
                                 const AnalysisOptions& options);

// The moves marked, as the summary counts them.
int CountMarked(std::span<const Verdict> verdicts);

}  // namespace vintrel::engine
