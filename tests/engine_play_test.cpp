// The computer's play, as a player would notice it going wrong: an
// evaluation that is fair to both sides and counts men, a table that saves
// work without changing the result, wins found and losses avoided, levels
// that beat weaker players, and seeds that vary the game or repeat it.
#include "bench.h"
#include "levels.h"
#include "match.h"
#include "move_generation.h"
#include "players.h"
#include "reach.h"

#include "rules_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace vintrel::engine {
namespace {

using testing::PositionWith;

// Every position of a few seeded random games that is not over.
std::vector<GameState> PositionsOfRandomGames(int games) {
    std::vector<GameState> positions;
    for (int game = 0; game < games; ++game) {
        std::uint64_t random = std::uint64_t(game) + 11;
        for (GameState state = GameState::Start(); !state.isOver() && CountMoves(state) > 0;
             state = state.after(AnyMove(state, random)))
            positions.push_back(state);
    }
    return positions;
}

// The board turned half round with the colours swapped, and the other side
// to move: the same game seen from the other chair.
GameState Mirrored(const GameState& state) {
    auto turned = [](Cell cell) { return cell == NoCell ? NoCell : Cell(CellCount - 1 - cell); };
    Position position;
    position.fill(Occupant::Empty);
    for (Side side : {Side::Red, Side::Blue})
        for (Cell cell : state.menOf(side)) position[turned(cell)] = ManOf(Opponent(side));
    return GameState::From(position, Opponent(state.toMove()), turned(state.mustCapture()));
}

// No obligation, and no man of either side in reach of the other's.
bool IsQuiet(const GameState& state) {
    if (state.mustCapture() != NoCell) return false;
    for (Side side : {Side::Red, Side::Blue})
        for (Cell cell : state.menOf(side))
            if (!(ReachOf(side, cell) & state.menOf(Opponent(side))).empty()) return false;
    return true;
}

GameState Without(const GameState& state, Cell man, Side toMove) {
    Position position = state.position();
    position[man] = Occupant::Empty;
    return GameState::From(position, toMove, NoCell);
}

// ------------------------------------------------------------ evaluation

TEST(Evaluation, ScoresAPositionAndItsMirrorAlike) {
    for (const GameState& state : PositionsOfRandomGames(20))
        ASSERT_EQ(Evaluate(state), Evaluate(Mirrored(state))) << "position " << state.key();
}

TEST(Evaluation, OneMoreManInAQuietPositionIsBetterForHisSideWhoeverMoves) {
    int compared = 0;
    for (const GameState& state : PositionsOfRandomGames(20)) {
        if (!IsQuiet(state)) continue;
        for (Side side : {Side::Red, Side::Blue}) {
            if (state.menOf(side).count() < 2) continue;
            for (Cell man : state.menOf(side)) {
                const Position position = state.position();
                for (Side toMove : {side, Opponent(side)}) {
                    const int with = Evaluate(GameState::From(position, toMove, NoCell));
                    const int without = Evaluate(Without(state, man, toMove));
                    ASSERT_GT(toMove == side ? with - without : without - with, 0) << "man on " << man;
                    ++compared;
                }
            }
        }
    }
    EXPECT_GT(compared, 100);
}

// Nearness to the corner is what the evaluation rewards after men: it must
// be counted to the diamond that wins.
TEST(Evaluation, CountsMovesToTheCornerThatWins) {
    for (Side side : {Side::Red, Side::Blue}) {
        const Cell corner = WinningCell(side);
        EXPECT_EQ(MovesToCorner(side, corner), 0);
        for (Cell cell = 0; cell < CellCount; ++cell) {
            if (cell == corner) continue;
            ASSERT_EQ(MovesToCorner(side, cell) == 1, ReachOf(side, cell).has(corner)) << cell;
        }
        for (Cell home : GameState::Start().menOf(side)) EXPECT_GE(MovesToCorner(side, home), 4) << home;
    }
}

// ------------------------------------------------------ search and table

// Which comparisons with a search without the table are exact: the score,
// not the node count or the move.
// - The game has no draw by repetition and the search stores wins as
//   distances from the position, so a position's worth to a given depth
//   does not depend on the path to it: every bound in the table is a true
//   bound of that worth.
// - A full window at the root gives alpha-beta's exact value, whatever
//   order the table's moves impose on the search.
// - So the table can change the score only by answering from a deeper
//   search of a position met again at a smaller remaining depth. That takes
//   both sides stepping sideways and back, four plies at the least, or two
//   lines to one position with more forced replies on one; at depth 4 the
//   first lies beyond the horizon and these positions meet neither.
// The node count and, among equal scores, the move depend on the order of
// moves, so they are compared by margins.
constexpr int TableDepth = 4;
// Today's count and 3 % more.
constexpr std::uint64_t TableNodeCeiling = 1'187'782 * 103 / 100;

struct Searched {
    std::vector<int> scores;
    std::uint64_t nodes = 0;
};

Searched SearchAll(const std::vector<GameState>& positions, TranspositionTable& table) {
    Searched searched;
    for (const GameState& position : positions) {
        table.clear();
        const SearchResult result = Search(table).run(position, {.maxDepth = TableDepth});
        searched.scores.push_back(result.score);
        searched.nodes += result.nodes;
    }
    return searched;
}

TEST(Table, KeepsTheScoreOfAPlainSearchAndSavesAThirdOfItsNodes) {
    const std::vector<GameState> positions = BenchPositions();
    TranspositionTable table(16), none = TranspositionTable::Forgetful();
    const Searched with = SearchAll(positions, table), without = SearchAll(positions, none);
    EXPECT_EQ(with.scores, without.scores);
    EXPECT_LT(double(with.nodes), 0.75 * double(without.nodes)) << with.nodes << " against " << without.nodes;
    // Bounds stored or read the wrong way keep the moves but cost at least
    // 7 % more nodes, which within a budget is a shallower search. Lower
    // this ceiling when the search gets leaner.
    EXPECT_LE(with.nodes, TableNodeCeiling) << "the table saves less than it did";
}

// The side to move wins within `moves` of its own, whatever the replies.
bool LosesWithin(const GameState& state, int moves);
bool WinsWithin(const GameState& state, int moves) {
    MoveList list;
    GenerateMoves(state, list);
    for (const Move& move : list)
        if (state.wins(move) || (moves > 1 && LosesWithin(state.after(move), moves - 1))) return true;
    return false;
}

// Every move of the side to move leaves the other a win within `moves`; a
// side with no move has lost.
bool LosesWithin(const GameState& state, int moves) {
    MoveList list;
    GenerateMoves(state, list);
    for (const Move& move : list)
        if (state.wins(move) || !WinsWithin(state.after(move), moves)) return false;
    return true;
}

struct Problem {
    Side toMove;
    std::vector<Cell> red, blue;
    int movesToWin;  // 0: the other side threatens to win, and can be stopped
};

// Met in seeded random games.
const std::vector<Problem> Problems = {
    {Side::Red, {8}, {35, 63, 73, 77, 86}, 1},
    {Side::Red, {2, 8, 62, 64, 70, 71, 93}, {56, 58}, 1},
    {Side::Red, {33, 83, 85, 93}, {54}, 2},
    {Side::Blue, {42}, {9, 54, 59}, 2},
    {Side::Red, {2, 5, 40, 73, 98}, {59, 67}, 3},
    {Side::Red, {30, 43, 44, 57, 60, 61, 75, 80, 86}, {38}, 3},
    {Side::Red, {52}, {5, 31, 45}, 0},
    {Side::Red, {22, 33, 36, 51, 61, 64}, {57, 92}, 0},
    {Side::Blue, {27, 52, 61, 90}, {36, 39, 66, 67}, 0},
};

int LosingMoves(const GameState& state) {
    MoveList list;
    GenerateMoves(state, list);
    int losing = 0;
    for (const Move& move : list) losing += WinsWithin(state.after(move), 1);
    return losing;
}

TEST(Search, FindsTheShortestWinAndAvoidsALossThatCanBeAvoided) {
    for (const Problem& problem : Problems) {
        const GameState state = GameState::From(PositionWith(problem.red, problem.blue), problem.toMove, NoCell);
        const int n = problem.movesToWin;
        TranspositionTable table(16);
        const SearchResult result = Search(table).run(state, {.maxDepth = 5});
        const GameState after = state.after(result.move);
        if (n > 0) {
            EXPECT_EQ(result.score, WinScore - (2 * n - 1)) << "a win in " << n;
            EXPECT_TRUE(after.isOver() || LosesWithin(after, n - 1)) << result.move.from << "-" << result.move.to;
            continue;
        }
        ASSERT_GT(LosingMoves(state), 0) << "no threat to avoid";
        EXPECT_FALSE(IsLoss(result.score)) << result.score;
        EXPECT_FALSE(WinsWithin(after, 1)) << result.move.from << "-" << result.move.to;
    }
}

// --------------------------------------------------------------- strength

constexpr int MatchGames = 10;
constexpr std::uint64_t MediumCap = 3000, EasyCap = 3000;

// Short matches at small budgets, whose margins today's engine clears
// easily and an evaluation of the wrong sign or a broken table does not.
double ScoreOf(const char* first, const char* second, int games, std::uint64_t nodeCap) {
    MatchOptions options;
    options.first = first;
    options.second = second;
    options.games = games;
    options.nodeCap = nodeCap;
    return PlayMatch(options).score();
}

TEST(Strength, MediumBeatsGreedy) { EXPECT_GE(ScoreOf("medium", "greedy", MatchGames, MediumCap), 80.0); }

TEST(Strength, EasyBeatsRandom) { EXPECT_GE(ScoreOf("easy", "random", MatchGames, EasyCap), 80.0); }

// ----------------------------------------------------------------- levels

TEST(Levels, EveryNameReadsBackAsItsLevel) {
    for (Strength strength : {Strength::Easy, Strength::Medium, Strength::Hard, Strength::Expert})
        EXPECT_EQ(StrengthNamed(NameOf(strength)), strength) << NameOf(strength);
    EXPECT_EQ(StrengthNamed("master"), std::nullopt);
}

// The first moves of a game between two easy players, whose seeds vary
// from move to move as the match tool's do.
std::vector<Move> EasyGame(std::uint64_t seed) {
    const auto player = PlayerNamed("easy");
    std::vector<Move> moves;
    GameState state = GameState::Start();
    for (int ply = 0; ply < 12 && !state.isOver(); ++ply) {
        moves.push_back(player->choose(state, seed + std::uint64_t(ply)).move);
        state = state.after(moves.back());
    }
    return moves;
}

TEST(Levels, OneSeedRepeatsAnEasyGameAndAnotherVariesIt) {
    EXPECT_EQ(EasyGame(1), EasyGame(1));
    EXPECT_NE(EasyGame(1), EasyGame(2));
}

}  // namespace
}  // namespace vintrel::engine
