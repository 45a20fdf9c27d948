// The engine against the rules: its fast state makes the same decisions as
// the drop of a man, its perft counts are those the rules give, it finds
// every win within two moves, it stops when asked or out of time, and its
// games end.
#include "levels.h"
#include "move_generation.h"

#include "commitment.h"
#include "move.h"
#include "rules_support.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

namespace vintrel::engine {
namespace {

using testing::PositionWith;

// A game played through the rules alone, with the commitment record kept
// as a window keeps it.
struct Referee {
    Position position = StartingPosition();
    Side toMove = Side::Red;
    CommitmentRecord record;

    static Referee Of(const GameState& state) {
        Referee referee{state.position(), state.toMove(), {}};
        const bool redToMove = state.toMove() == Side::Red;
        (redToMove ? referee.record.H3Com : referee.record.H1Com) = state.mustCapture() != NoCell;
        (redToMove ? referee.record.H3ComCell : referee.record.H1ComCell) = state.mustCapture();
        return referee;
    }

    std::vector<vintrel::Move> moves() const { return StandingMoves(position, toMove, record); }
    Cell obligation() const { return ObligationOf(record, position, toMove); }

    Referee after(Cell from, Cell to) const {
        Referee next = *this;
        next.position = AfterMove(position, from, to);
        const bool committed = StandsCommitted(next.position, toMove, to);
        // The mover's pair records his man; the move met his own obligation.
        CommitmentRecord& r = next.record;
        (toMove == Side::Red ? r.H1Com : r.H3Com) = committed;
        (toMove == Side::Red ? r.H1ComCell : r.H3ComCell) = committed ? to : NoCell;
        (toMove == Side::Red ? r.H3Com : r.H1Com) = false;
        (toMove == Side::Red ? r.H3ComCell : r.H1ComCell) = NoCell;
        next.toMove = Opponent(toMove);
        return next;
    }
};

bool WinsAtOnce(const Referee& game) {
    for (const vintrel::Move& move : game.moves())
        if (move.decision.outcome != DropOutcome::Moved) return true;
    return false;
}

// Every reply of the side to move loses at once.
bool EveryReplyLoses(const Referee& game) {
    const std::vector<vintrel::Move> replies = game.moves();
    for (const vintrel::Move& reply : replies)
        if (reply.decision.outcome != DropOutcome::Moved || !WinsAtOnce(game.after(reply.from, reply.to)))
            return false;
    return !replies.empty();
}

bool WinsInTwo(const Referee& game, Cell from, Cell to) {
    const DropOutcome outcome = DecideDrop(game.position, game.toMove, game.record, from, to).outcome;
    return outcome == DropOutcome::WonByCorner || outcome == DropOutcome::WonByCapture ||
           (outcome == DropOutcome::Moved && EveryReplyLoses(game.after(from, to)));
}

// ------------------------------------------------------------- the state

void ExpectSameDecisions(const GameState& state, const Referee& referee) {
    MoveList list;
    GenerateMoves(state, list);
    for (Cell from = 0; from < CellCount; ++from) {
        if (referee.position[from] != ManOf(referee.toMove)) continue;
        for (Cell to = 0; to < CellCount; ++to) {
            const DropDecision decision = DecideDrop(referee.position, referee.toMove, referee.record, from, to);
            const Move move{from, to};
            const bool generated = std::find(list.begin(), list.end(), move) != list.end();
            ASSERT_EQ(generated, Stands(decision.outcome)) << from << "-" << to;
            if (!generated) continue;
            EXPECT_EQ(state.captures(move), decision.captures) << from << "-" << to;
            EXPECT_EQ(state.after(move).isOver(), decision.outcome != DropOutcome::Moved) << from << "-" << to;
        }
    }
}

TEST(GameState, DecidesEveryDropAsTheRulesDoThroughRandomGames) {
    std::mt19937 random(2024);
    for (int game = 0; game < 60; ++game) {
        GameState state = GameState::Start();
        Referee referee;
        for (int ply = 0; ply < 300 && !state.isOver(); ++ply) {
            ASSERT_EQ(state.position(), referee.position);
            ASSERT_EQ(state.mustCapture(), referee.obligation()) << "game " << game << " ply " << ply;
            ASSERT_EQ(state.key(), GameState::From(referee.position, referee.toMove, referee.obligation()).key());
            ExpectSameDecisions(state, referee);
            if (::testing::Test::HasFailure()) return;
            MoveList moves;
            GenerateMoves(state, moves);
            ASSERT_FALSE(moves.empty());
            const Move move = moves[random() % moves.size()];
            state = state.after(move);
            referee = referee.after(move.from, move.to);
        }
    }
}

// -------------------------------------------------------------- perft

std::uint64_t RulesPerft(const Referee& game, int depth) {
    std::uint64_t leaves = 0;
    for (const vintrel::Move& move : game.moves())
        leaves += depth == 1 || move.decision.outcome != DropOutcome::Moved
                      ? 1
                      : RulesPerft(game.after(move.from, move.to), depth - 1);
    return leaves;
}

TEST(Perft, CountsTheLeavesOfTheStartingPosition) {
    const GameState start = GameState::Start();
    for (int depth = 1; depth <= 3; ++depth) EXPECT_EQ(Perft(start, depth), RulesPerft(Referee{}, depth));
    EXPECT_EQ(Perft(start, 1), 47u);
    EXPECT_EQ(Perft(start, 2), 2209u);
    EXPECT_EQ(Perft(start, 3), 117341u);
    EXPECT_EQ(Perft(start, 4), 6163577u);
}

// ------------------------------------------------------------ the search

struct WinInTwo {
    Side toMove;
    std::vector<Cell> red, blue;
    Cell mustCapture;
    bool onlyByForcing;  // every winning first move binds the opponent to capture
};

// Positions met in play, each a win within two moves of the side to move
// and not in one.
const std::vector<WinInTwo> WinningPositions = {
    {Side::Red, {16, 18, 53, 59, 78}, {24, 32, 43, 50, 73}, 43, true},
    {Side::Red, {1, 46, 47, 76}, {42, 53, 73, 86}, NoCell, false},
    {Side::Blue, {1, 4, 19, 29, 66, 67, 76}, {22, 43, 47, 72}, 67, true},
    {Side::Red, {29, 56, 59, 66, 72, 77, 78}, {10, 16, 20, 31, 41, 42, 52}, 52, true},
    {Side::Blue, {3, 5, 11, 21, 28, 38, 54, 64, 83}, {57, 67, 70, 76, 87, 95, 96, 97}, 54, true},
    {Side::Red, {5, 15, 43, 53, 66, 69}, {30, 74, 83, 98}, NoCell, false},
    {Side::Blue, {2, 24, 33, 67, 69, 79}, {14, 30, 37, 52, 91, 92}, 24, true},
    {Side::Blue, {0, 5, 10, 12, 13, 21, 39, 43, 79}, {4, 70, 74, 83, 94, 95}, 13, true},
    {Side::Blue, {1, 15, 22, 26, 48, 59, 79}, {38, 53, 60, 78, 91, 94}, 48, true},
    {Side::Blue, {13, 48, 49, 59, 68, 76}, {35, 42, 70, 71, 95}, 13, false},
    {Side::Blue, {2, 12, 13, 22, 34, 46, 56, 58}, {5, 27, 37, 73, 80, 92}, 46, true},
    {Side::Red, {0, 3, 4, 12, 23, 28, 29, 44}, {37, 46, 57, 65, 70, 96, 97}, 46, true},
    {Side::Red, {19, 25, 35, 42, 43, 45, 52, 53, 62, 75, 99}, {0, 10, 11, 38, 58, 67, 78, 94, 98}, 67, true},
    {Side::Red, {27, 41, 49, 52, 69}, {20, 31, 55, 64, 95, 96, 97}, 31, true},
    {Side::Blue, {21, 32, 44, 55, 57, 67}, {5, 13, 59, 61, 81, 96}, 57, true},
    {Side::Red, {2, 8, 10, 12, 17, 21, 41, 93}, {22, 44, 45, 62, 67, 77, 85, 86, 92, 96}, 22, true},
    {Side::Blue, {3, 13, 20, 21, 32, 41, 67, 85, 87}, {16, 36, 37, 59, 64, 88, 91, 95}, 87, true},
    {Side::Red, {39, 58, 68, 69}, {4, 11, 44, 51, 52, 82, 84}, NoCell, false},
    {Side::Blue, {5, 6, 14, 24, 89}, {62, 66, 82, 93}, NoCell, false},
    {Side::Blue, {0, 2, 3, 6, 11, 12}, {48, 52, 58, 59, 73, 76, 86, 96}, NoCell, false},
    {Side::Blue, {2, 57, 58, 78, 79, 88}, {12, 20, 33, 50, 62}, NoCell, false},
    {Side::Red, {2, 3, 5, 6}, {64, 68, 85, 96}, NoCell, false},
    {Side::Blue, {13, 16, 17, 59}, {23, 50, 53, 62, 94}, NoCell, false},
    {Side::Red, {37, 45, 49, 66, 69, 77, 89}, {1, 13, 62, 85}, NoCell, false},
};

TEST(Search, FindsEveryWinWithinTwoMovesAtAFixedDepth) {
    for (const WinInTwo& row : WinningPositions) {
        const GameState state = GameState::From(PositionWith(row.red, row.blue), row.toMove, row.mustCapture);
        const Referee referee = Referee::Of(state);
        ASSERT_FALSE(WinsAtOnce(referee));
        Level hard = LevelOf(Strength::Hard, 1);
        hard.limits.maxDepth = 3;
        hard.limits.maxNodes = UINT64_MAX;
        const SearchResult result = ChooseMove(state, hard);
        // A forced move is played without a search, and so without a score.
        if (CountMoves(state) > 1) {
            EXPECT_GE(result.score, WinScore - MaxPly) << "row with " << row.red.front();
        }
        EXPECT_TRUE(WinsInTwo(referee, result.move.from, result.move.to))
            << "row with " << row.red.front() << ": " << result.move.from << "-" << result.move.to;
        if (row.onlyByForcing) {
            EXPECT_NE(state.after(result.move).mustCapture(), NoCell);
        }
    }
}

TEST(Search, StopsWhenAskedWithAMoveThatStands) {
    const GameState start = GameState::Start();
    Level endless = LevelOf(Strength::Hard, 1);
    endless.limits.maxNodes = UINT64_MAX;
    std::atomic<bool> cancel = true;
    const SearchResult stopped = ChooseMove(start, endless, &cancel);
    EXPECT_LE(stopped.nodes, 1024u);
    EXPECT_TRUE(TargetsOf(start, stopped.move.from).has(stopped.move.to));

    // Asked from another thread while it runs: it returns, and its move stands.
    cancel = false;
    SearchResult fromThread;
    std::thread worker([&] { fromThread = ChooseMove(start, endless, &cancel); });
    cancel = true;
    worker.join();
    EXPECT_TRUE(TargetsOf(start, fromThread.move.from).has(fromThread.move.to));
}

TEST(Search, EndsAtItsTimeLimitWithAMoveThatStandsAndNeverWithoutOne) {
    const GameState start = GameState::Start();
    Level endless = LevelOf(Strength::Hard, 1);
    endless.limits.maxNodes = UINT64_MAX;
    endless.limits.maxTime = std::chrono::milliseconds(1);
    // Without its time limit this search would run for hours.
    const SearchResult timed = ChooseMove(start, endless);
    EXPECT_TRUE(TargetsOf(start, timed.move.from).has(timed.move.to));

    // With no time limit the nodes alone decide.
    const Level counted = LevelOf(Strength::Medium, 1);
    EXPECT_GE(ChooseMove(start, counted).nodes, counted.limits.maxNodes);
}

TEST(Search, AGameBetweenTwoLevelsEndsAndReplaysTheSame) {
    auto play = [] {
        GameState state = GameState::Start();
        int moves = 0;
        for (; moves < 300 && !state.isOver(); ++moves) {
            const Strength strength = state.toMove() == Side::Red ? Strength::Easy : Strength::Medium;
            state = state.after(ChooseMove(state, LevelOf(strength, std::uint64_t(moves))).move);
        }
        return std::pair(state.isOver(), state.key());
    };
    const auto [over, key] = play();
    EXPECT_TRUE(over);
    EXPECT_EQ(play().second, key);
}

}  // namespace
}  // namespace vintrel::engine
