// The computer's play, as a player would notice it going wrong: an
// evaluation that is fair to both sides and counts men, a table that saves
// work without changing the result, wins found and losses avoided, levels
// that beat weaker players, and seeds that vary the game or repeat it.
#include "bench.h"
#include "levels.h"
#include "match.h"
#include "move_generation.h"
#include "players.h"
#include "protocol.h"
#include "ratings.h"
#include "reach.h"
#include "tournament.h"
#include "zobrist.h"

#include "rules_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <sstream>
#include <vector>

#include "notation.h"

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

TEST(Strength, ExpertBeatsHardAtATenthOfAPercentOfTheirBudgets) {
    MatchOptions options;
    options.first = "expert";
    options.second = "hard";
    options.games = MatchGames;
    options.nodeDivisor = 1000;
    EXPECT_GE(PlayMatch(options).score(), 70.0);
}

// --------------------------------------------------------------- protocol

// A session whose answers are kept, line by line.
struct Session {
    std::vector<std::string> lines() {
        const std::lock_guard guard(lock);
        return said;
    }
    bool saidLineStarting(const std::string& prefix) {
        for (const std::string& line : lines())
            if (line.starts_with(prefix)) return true;
        return false;
    }
    std::string last() { return lines().empty() ? "" : lines().back(); }

    std::mutex lock;
    std::vector<std::string> said;
    ProtocolSession session{[this](const std::string& line) {
        const std::lock_guard guard(lock);
        said.push_back(line);
    }};
};

// The move the session's last "bestmove" names, in `state`.
Move BestMoveOf(Session& s, const GameState& state) {
    const std::string last = s.last();
    MoveList moves;
    GenerateMoves(state, moves);
    for (const Move& move : moves)
        if (last == "bestmove " + ProtocolMoveText(state, move)) return move;
    return {};
}

TEST(Protocol, AScriptedSessionGreetsReplaysTheMovesAndTellsTheSearchThenAMoveThatStands) {
    Session s;
    s.session.handle("vintrel");
    EXPECT_TRUE(s.saidLineStarting("id name vintrel-engine "));
    EXPECT_EQ(s.last(), "vintrelok");
    s.session.handle("newgame");
    s.session.handle("setoption name Seed value 7");
    s.session.handle("position start moves 61-43 16-34 43x34");
    s.session.handle("go depth 3");
    s.session.waitForSearch();
    GameState state = GameState::Start();
    for (Move move : {Move{61, 43}, Move{16, 34}, Move{43, 34}}) state = state.after(move);
    const std::vector<std::string> lines = s.lines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("info depth 3 score ")) << lines[lines.size() - 2];
    EXPECT_NE(lines[lines.size() - 2].find(" pv "), std::string::npos);
    EXPECT_FALSE(BestMoveOf(s, state).isNone()) << s.last();
    EXPECT_FALSE(s.session.handle("quit"));
}

TEST(Protocol, RefusesWhatItCannotDoAndKeepsThePositionItHad) {
    Session s;
    s.session.handle("position start moves 61-43");
    for (const char* wrong : {"position start moves 61-43 16-34 99-98", "position start moves 61x43",
                              "position start moves 61-43 16-34 43-34", "position start moves 16",
                              "position start 61-43", "position middle", "go nodes", "go nodes -5", "go level grandmaster",
                              "setoption name Level value grandmaster", "setoption name Colour value red", "think hard"}) {
        const std::size_t before = s.lines().size();
        EXPECT_TRUE(s.session.handle(wrong));
        ASSERT_EQ(s.lines().size(), before + 1) << wrong;
        EXPECT_TRUE(s.last().starts_with("error ")) << wrong << ": " << s.last();
    }
    EXPECT_EQ(s.last(), "error unknown command: think hard");
    s.session.handle("go depth 2");
    s.session.waitForSearch();
    EXPECT_FALSE(BestMoveOf(s, GameState::Start().after({61, 43})).isNone()) << s.last();
}

TEST(Protocol, AnswersIsreadyAndStopWhileThinking) {
    Session s;
    s.session.handle("go nodes 1000000000000");
    ASSERT_TRUE(s.session.isThinking());
    s.session.handle("isready");
    EXPECT_TRUE(s.session.isThinking());
    EXPECT_EQ(s.last(), "readyok");
    s.session.handle("position start");
    EXPECT_TRUE(s.last().starts_with("error ")) << s.last();
    s.session.handle("stop");
    EXPECT_FALSE(s.session.isThinking());
    EXPECT_FALSE(BestMoveOf(s, GameState::Start()).isNone()) << s.last();
}

TEST(Protocol, SurvivesJunkAndOverlongLinesAnsweringEachWithAnError) {
    std::string input;
    std::mt19937 random(5);
    for (int line = 0; line < 200; ++line) {
        for (int i = 0; i < 1 + int(random() % 300); ++i) {
            const char c = char(random() % 256);
            input += c == '\n' ? 'x' : c;
        }
        input += '\n';
    }
    input += std::string(MaxProtocolLine * 3, 'a') + "\nisready\n";
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(RunProtocol(in, out), 0);
    std::istringstream answers(out.str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(answers, line);) lines.push_back(line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "readyok");
    EXPECT_EQ(lines[lines.size() - 2], "error line too long");
    for (const std::string& line : lines)
        for (char c : line) ASSERT_TRUE(c >= ' ' && c <= '~') << line;
}

// ---------------------------------------------------------------- ratings

// Games between players of known strength, drawn by a seeded generator:
// the fit finds each strength within its error bar.
TEST(Ratings, RecoverKnownStrengthsWithinTheirErrorBars) {
    const std::vector<double> truth = {1000, 1150, 1400, 1800, 700};
    ResultsTable results(truth.size());
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> uniform(0, 1);
    for (std::size_t i = 0; i < truth.size(); ++i)
        for (std::size_t j = i + 1; j < truth.size(); ++j)
            for (int game = 0; game < 300; ++game)
                uniform(random) < ExpectedScore(truth[i] - truth[j]) ? results.add(i, j) : results.add(j, i);
    const std::vector<Rating> ratings = FitRatings(results, 0, 1000);
    EXPECT_EQ(ratings[0].elo, 1000);
    for (std::size_t i = 1; i < truth.size(); ++i) {
        EXPECT_NEAR(ratings[i].elo, truth[i], ratings[i].error95) << i;
        EXPECT_GT(ratings[i].error95, 10) << i;
        EXPECT_LT(ratings[i].error95, 120) << i;
    }
}

// Pairs of games between players `elo` apart, the opening's own lean
// drawn afresh for each pair.
SprtVerdict SprtOnSimulatedPairs(double elo, std::uint64_t seed) {
    Sprt sprt({.elo0 = 0, .elo1 = 30, .alpha = 0.05, .beta = 0.05});
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> uniform(0, 1);
    std::normal_distribution<double> lean(0, 150);
    for (int pair = 0; pair < 5000 && sprt.verdict() == SprtVerdict::Continue; ++pair) {
        const double opening = lean(random);
        const double points = (uniform(random) < ExpectedScore(elo + opening)) +
                              (uniform(random) < ExpectedScore(elo - opening));
        sprt.addPair(points);
    }
    return sprt.verdict();
}

int Accepted(SprtVerdict verdict, double elo) {
    int count = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) count += SprtOnSimulatedPairs(elo, seed) == verdict;
    return count;
}

// Each test errs at most 5 % of the time either way: forty seeded runs.
TEST(Ratings, TheSequentialTestAcceptsAStrongerPlayerAndRejectsAnEqualOne) {
    EXPECT_EQ(Accepted(SprtVerdict::AcceptH1, 100), 40);
    EXPECT_GE(Accepted(SprtVerdict::AcceptH0, 0), 36);
    EXPECT_EQ(Accepted(SprtVerdict::AcceptH0, -60), 40);
    EXPECT_GE(Accepted(SprtVerdict::AcceptH1, 30), 36);
    // Wald's bounds: alpha and beta each in their place.
    const Sprt lopsided({.elo0 = 0, .elo1 = 10, .alpha = 0.05, .beta = 0.2});
    EXPECT_NEAR(lopsided.lowerBound(), std::log(0.2 / 0.95), 1e-9);
    EXPECT_NEAR(lopsided.upperBound(), std::log(0.8 / 0.05), 1e-9);
}

// ------------------------------------------------------------ tournaments

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An engine in another process, through the protocol, against random,
// with every game written down and readable by the notation.
TEST(Tournament, StopsAtH1OnAClearlyStrongerPlayerAndWritesEveryGame) {
    const auto file = std::filesystem::temp_directory_path() / ("tournament_" + std::to_string(getpid()) + ".txt");
    std::string why;
    auto options = TournamentOptionsFrom({"--engine", "name=engine,cmd=" VINTREL_ENGINE_PLAY ",go=level medium nodes 3000",
                                          "random", "--games", "40", "--sprt", "0", "50", "0.05", "0.05", "--pgn",
                                          file.string(), "--concurrency", "2"}, why);
    ASSERT_TRUE(options) << why;
    std::vector<std::string> told;
    const TournamentResult result = PlayTournament(*options, [&](const std::string& line) { told.push_back(line); });
    EXPECT_EQ(result.verdict, SprtVerdict::AcceptH1);
    EXPECT_LT(result.pairs, 20);
    ASSERT_EQ(told.size(), std::size_t(result.pairs));
    EXPECT_NE(told.back().find("LLR"), std::string::npos) << told.back();
    EXPECT_GT(result.ratings[0].elo - result.ratings[1].elo, result.ratings[1].error95);
    const std::string text = FileText(file);
    std::filesystem::remove(file);
    std::size_t games = 0;
    for (std::size_t at = 0; (at = text.find("[Event ", at)) != std::string::npos; ++at, ++games) {
        const std::size_t end = text.find("[Event ", at + 1);
        const ReadResult read = ReadGame(text.substr(at, end == std::string::npos ? end : end - at));
        ASSERT_TRUE(read.game) << read.error->describe("game");
    }
    EXPECT_EQ(games, 2 * std::size_t(result.pairs));
}

TEST(Tournament, RefusesAnEntrantTwiceAnUnknownPlayerAndATestOfThree) {
    std::string why;
    EXPECT_FALSE(TournamentOptionsFrom({"easy", "easy"}, why));
    EXPECT_FALSE(TournamentOptionsFrom({"easy", "master"}, why));
    EXPECT_FALSE(TournamentOptionsFrom({"easy", "medium", "hard", "--sprt", "0", "10", "0.05", "0.05"}, why));
    EXPECT_FALSE(TournamentOptionsFrom({"easy", "medium", "--sprt", "10", "0", "0.05", "0.05"}, why));
    EXPECT_TRUE(TournamentOptionsFrom({"easy", "--engine", "name=old,cmd=/bin/true,go=nodes 9", "--anchor", "old=900"}, why))
        << why;
}

}  // namespace
}  // namespace vintrel::engine
