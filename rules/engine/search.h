// Iterative deepening alpha-beta (negamax with a principal variation
// window), with a transposition table, ordered moves and, at the horizon,
// a search of captures and forced captures.
#pragma once

#include "evaluation.h"
#include "game_state.h"
#include "transposition_table.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

namespace vintrel::engine {

// Scores at or beyond WinScore - MaxPly are wins found by the search,
// the sooner the higher.
inline constexpr int WinScore = 30000;
inline constexpr int MaxPly = 96;
inline constexpr int Infinity = WinScore + 1;

constexpr bool IsWin(int score) { return score >= WinScore - MaxPly; }
constexpr bool IsLoss(int score) { return score <= -(WinScore - MaxPly); }
constexpr bool IsWinScore(int score) { return IsWin(score) || IsLoss(score); }

struct SearchResult;

struct SearchLimits {
    int maxDepth = 64;
    std::uint64_t maxNodes = UINT64_MAX;
    // Above zero: every root move is searched to an exact score and gets up
    // to this much of seeded noise on top, so that a weak level varies.
    int rootNoise = 0;
    std::uint64_t seed = 0;
    // Above zero: the search also ends once this much time has passed, with
    // the best move found so far. A search that must repeat leaves it at zero.
    std::chrono::milliseconds maxTime{0};
    // Told of every iteration that finishes, on the searching thread, so
    // that a front end can show the search as it deepens.
    std::function<void(const SearchResult&)> onIteration{};
};

struct SearchResult {
    Move move;           // none only when the side to move has no move
    int score = 0;       // for the side to move
    int depth = 0;       // of the last iteration that finished
    std::uint64_t nodes = 0;
};

class Search {
public:
    // `cancel` may be set from another thread; the search then returns the
    // best move found so far within a few thousand nodes.
    Search(TranspositionTable& table, const std::atomic<bool>* cancel = nullptr,
           const EvaluationWeights& weights = DefaultWeights);

    SearchResult run(const GameState& root, const SearchLimits& limits);

private:
    struct RootOutcome;
    struct Killers {
        Move first, second;
    };

    RootOutcome searchRoot(const GameState& root, int depth, int alpha, int beta);
    int negamax(const GameState& state, int depth, int alpha, int beta, int ply);
    int searchChild(const GameState& child, int depth, int alpha, int beta, int ply, bool first, int reduction = 0);
    int reductionOf(const GameState& state, const GameState& child, Move move, int depth, std::size_t i, int ply) const;
    int quiesce(const GameState& state, int alpha, int beta, int ply);
    bool visit();
    bool outOfBudget() const;
    int noiseOf(Move move) const;
    // The moves that stand, to be tried in order of promise.
    class MovePicker picker(const GameState& state, Move tableMove, int ply, bool capturesOnly = false) const;
    void rememberCutoff(const GameState& state, Move move, int depth, int ply);
    void store(const GameState& state, int depth, int score, int alpha, int beta, Move best, int ply);

    TranspositionTable& table_;
    const std::atomic<bool>* cancel_;
    EvaluationWeights weights_;
    SearchLimits limits_;
    std::uint64_t nodes_ = 0;
    std::chrono::steady_clock::time_point deadline_;
    bool stopped_ = false;
    Killers killers_[MaxPly + 1] = {};
    int history_[2][CellCount][CellCount] = {};
};

}  // namespace vintrel::engine
