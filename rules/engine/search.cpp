#include "search.h"

#include "move_generation.h"
#include "reach.h"
#include "zobrist.h"

#include <algorithm>
#include <array>

namespace vintrel::engine {

using MoveScores = std::array<int, MoveList::Capacity>;

namespace {

// A move that stands and ends the game at once, or none.
Move WinningMove(const GameState& state) {
    if (state.isOver()) return {};
    const Side mover = state.toMove(), opponent = Opponent(mover);
    const CellMask theirs = state.menOf(opponent);
    std::array<Cell, 2> goals = {WinningCell(mover), theirs.count() == 1 ? theirs.lowest() : NoCell};
    for (Cell goal : goals) {
        if (goal == NoCell) continue;
        if (state.mustCapture() != NoCell && goal != state.mustCapture()) continue;
        // Reach is symmetric: these are the men who reach the goal.
        const CellMask takers = ReachOf(opponent, goal) & state.menOf(mover);
        if (!takers.empty()) return {takers.lowest(), goal};
    }
    return {};
}

int LossAt(int ply) { return -(WinScore - ply); }
int WinAt(int ply) { return WinScore - ply; }

// Wins are stored as distances from the position, not from the root.
int ToTable(int score, int ply) {
    if (IsWin(score)) return score + ply;
    if (IsLoss(score)) return score - ply;
    return score;
}

int FromTable(int score, int ply) {
    if (IsWin(score)) return score - ply;
    if (IsLoss(score)) return score + ply;
    return score;
}

// Moves are tried best first: the table's move, captures of the men
// nearest to winning, the killers, then by their record of cut-offs. A
// winning move comes before all of them: every node looks for one before
// it lists any move.
constexpr int TableMoveFirst = 1 << 30;
constexpr int CapturesNext = 1 << 28;
constexpr int KillersNext = 1 << 27;

// Late-move reductions: from this depth, from this move on.
constexpr int ReducedFrom = 3;
constexpr std::size_t LateMove = 3, VeryLateMove = 10;

}  // namespace

// The moves of a position with their promise, picked best first, sorted
// no further than a cut-off needs.
class MovePicker {
public:
    std::size_t size() const { return moves.size(); }
    // The best of the moves not picked yet, put in place `i`.
    Move pick(std::size_t i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j < moves.size(); ++j)
            if (scores[j] > scores[best]) best = j;
        std::swap(moves[i], moves[best]);
        std::swap(scores[i], scores[best]);
        return moves[i];
    }

    MoveList moves;
    MoveScores scores;
};

struct Search::RootOutcome {
    Move move;  // none when no root move was searched to its end
    int score = -Infinity;
};

Search::Search(TranspositionTable& table, const std::atomic<bool>* cancel, const EvaluationWeights& weights)
    : table_(table), cancel_(cancel), weights_(weights) {}

SearchResult Search::run(const GameState& root, const SearchLimits& limits) {
    limits_ = limits;
    nodes_ = 0;
    deadline_ = std::chrono::steady_clock::now() + limits.maxTime;
    stopped_ = false;
    std::fill(std::begin(killers_), std::end(killers_), Killers{});
    std::fill(&history_[0][0][0], &history_[0][0][0] + sizeof history_ / sizeof(int), 0);
    MoveList moves;
    GenerateMoves(root, moves);
    if (moves.empty()) return {};
    SearchResult result{.move = moves[0]};
    if (const Move win = WinningMove(root); !win.isNone()) return {.move = win, .score = WinAt(1)};
    if (moves.size() == 1 && limits.rootNoise == 0) return result;
    for (int depth = 1; depth <= limits.maxDepth; ++depth) {
        const RootOutcome outcome = searchRoot(root, depth, -Infinity, Infinity);
        if (!outcome.move.isNone()) {
            result.move = outcome.move;
            result.score = outcome.score;
        }
        if (stopped_) break;
        result.depth = depth;
        result.nodes = nodes_;
        if (limits.onIteration) limits.onIteration(result);
        // A win or a loss that is certain gets no surer deeper down.
        if (IsWinScore(result.score)) break;
    }
    result.nodes = nodes_;
    return result;
}

Search::RootOutcome Search::searchRoot(const GameState& root, int depth, int alpha, int beta) {
    const TableEntry* entry = table_.probe(root.key());
    MovePicker moves = picker(root, entry ? entry->move : Move{}, 0);
    RootOutcome best;
    // With noise every move needs its exact score, so none may be cut off.
    const bool noisy = limits_.rootNoise > 0;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move move = moves.pick(i);
        const GameState child = root.after(move);
        const int score = noisy ? -negamax(child, depth - 1, -Infinity, Infinity, 1) + noiseOf(move)
                                : searchChild(child, depth - 1, alpha, beta, 1, i == 0);
        if (stopped_) break;
        if (score > best.score) best = {move, score};
        if (!noisy) alpha = std::max(alpha, score);
    }
    if (!stopped_) store(root, depth, best.score, -Infinity, Infinity, best.move, 0);
    return best;
}

int Search::negamax(const GameState& state, int depth, int alpha, int beta, int ply) {
    if (state.isOver()) return LossAt(ply);
    if (depth <= 0 || ply >= MaxPly) return quiesce(state, alpha, beta, ply);
    if (!visit()) return 0;
    if (!WinningMove(state).isNone()) return WinAt(ply + 1);
    Move tableMove;
    if (const TableEntry* entry = table_.probe(state.key())) {
        tableMove = entry->move;
        const int score = FromTable(entry->score, ply);
        if (entry->depth >= depth &&
            (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && score >= beta) ||
             (entry->bound == Bound::Upper && score <= alpha)))
            return score;
    }
    MovePicker moves = picker(state, tableMove, ply);
    if (moves.size() == 0) return LossAt(ply);
    // A forced reply costs no depth: chains of compulsory captures are
    // followed to their end, since each takes a man off the board.
    const int next = moves.size() == 1 ? depth : depth - 1;
    const int alphaIn = alpha;
    int best = -Infinity;
    Move bestMove;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move move = moves.pick(i);
        const GameState child = state.after(move);
        const int reduction = reductionOf(state, child, move, next, i, ply);
        const int score = searchChild(child, next, alpha, beta, ply + 1, i == 0, reduction);
        if (stopped_) return 0;
        if (score <= best) continue;
        best = score;
        bestMove = move;
        alpha = std::max(alpha, score);
        if (alpha >= beta) {
            rememberCutoff(state, move, depth, ply);
            break;
        }
    }
    store(state, depth, best, alphaIn, beta, bestMove, ply);
    return best;
}

// The first move gets the whole window; the others are first shown to be
// no better than the best so far, which costs less, and searched again
// only when they might be. A late quiet move is shown so at a reduced
// depth first, and searched to the full depth only when that fails.
int Search::searchChild(const GameState& child, int depth, int alpha, int beta, int ply, bool first, int reduction) {
    if (first) return -negamax(child, depth, -beta, -alpha, ply);
    if (reduction > 0) {
        const int reduced = -negamax(child, depth - reduction, -alpha - 1, -alpha, ply);
        if (reduced <= alpha || stopped_) return reduced;
    }
    const int score = -negamax(child, depth, -alpha - 1, -alpha, ply);
    if (score <= alpha || score >= beta) return score;
    return -negamax(child, depth, -beta, -alpha, ply);
}

int Search::quiesce(const GameState& state, int alpha, int beta, int ply) {
    if (state.isOver()) return LossAt(ply);
    if (!visit()) return 0;
    if (!WinningMove(state).isNone()) return WinAt(ply + 1);
    if (ply >= MaxPly) return Evaluate(state, weights_);
    // Under an obligation every move is a forced capture and the side may
    // not stand still; otherwise it may decline to capture.
    const bool forced = state.mustCapture() != NoCell;
    int best = -Infinity;
    if (!forced) {
        best = Evaluate(state, weights_);
        if (best >= beta) return best;
        alpha = std::max(alpha, best);
    }
    MovePicker moves = picker(state, Move{}, ply, true);
    if (forced && moves.size() == 0) return LossAt(ply);
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move move = moves.pick(i);
        const int score = -quiesce(state.after(move), -beta, -alpha, ply + 1);
        if (stopped_) return 0;
        best = std::max(best, score);
        alpha = std::max(alpha, score);
        if (alpha >= beta) break;
    }
    return best;
}

// Moves tried late, after the table's move, the captures and the
// killers, seldom cut off: they get less depth, unless they take a man or
// put one where he must be taken, which the horizon would misjudge.
int Search::reductionOf(const GameState& state, const GameState& child, Move move, int depth, std::size_t i,
                        int ply) const {
    if (depth < ReducedFrom || i < LateMove || state.captures(move) || child.mustCapture() != NoCell) return 0;
    const Killers& killers = killers_[std::min(ply, MaxPly)];
    if (move == killers.first || move == killers.second) return 0;
    return i >= VeryLateMove && depth >= ReducedFrom + 2 ? 2 : 1;
}

bool Search::visit() {
    if (stopped_) return false;
    ++nodes_;
    if ((nodes_ & 1023) == 0) stopped_ = outOfBudget();
    return !stopped_;
}

// Counting, not timing, keeps a search with a node budget repeatable; the
// clock is read only when a time limit is asked for.
bool Search::outOfBudget() const {
    if (nodes_ >= limits_.maxNodes) return true;
    if (cancel_ && cancel_->load(std::memory_order_relaxed)) return true;
    return limits_.maxTime.count() > 0 && std::chrono::steady_clock::now() >= deadline_;
}

int Search::noiseOf(Move move) const {
    const std::uint64_t mixed = zobrist::Mix(limits_.seed * 10007 + std::uint64_t(move.from) * 100 + std::uint64_t(move.to));
    return int(mixed % std::uint64_t(limits_.rootNoise + 1));
}

MovePicker Search::picker(const GameState& state, Move tableMove, int ply, bool capturesOnly) const {
    MovePicker picker;
    MoveList& moves = picker.moves;
    capturesOnly ? GenerateCaptures(state, moves) : GenerateMoves(state, moves);
    const Side mover = state.toMove();
    const Killers& killers = killers_[std::min(ply, MaxPly)];
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move move = moves[i];
        int score = history_[std::size_t(mover)][move.from][move.to];
        if (move == tableMove)
            score = TableMoveFirst;
        else if (state.captures(move))
            score = CapturesNext + 10 - MovesToCorner(Opponent(mover), move.to);
        else if (move == killers.first)
            score = KillersNext + 1;
        else if (move == killers.second)
            score = KillersNext;
        picker.scores[i] = score;
    }
    return picker;
}

void Search::rememberCutoff(const GameState& state, Move move, int depth, int ply) {
    if (state.captures(move)) return;
    Killers& killers = killers_[std::min(ply, MaxPly)];
    if (!(killers.first == move)) {
        killers.second = killers.first;
        killers.first = move;
    }
    int& record = history_[std::size_t(state.toMove())][move.from][move.to];
    record = std::min(record + depth * depth, KillersNext - 1);
}

void Search::store(const GameState& state, int depth, int score, int alpha, int beta, Move best, int ply) {
    if (stopped_) return;
    const Bound bound = score <= alpha ? Bound::Upper : score >= beta ? Bound::Lower : Bound::Exact;
    table_.store({.key = state.key(),
                  .score = std::int16_t(ToTable(score, ply)),
                  .depth = std::int8_t(std::min(depth, 127)),
                  .bound = bound,
                  .move = best});
}

}  // namespace vintrel::engine
