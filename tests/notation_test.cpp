// A game kept as text: written and read back whole, refused with a message
// that says where and why, read in the forms people write by hand, and
// never brought down by damaged text. And the game it replays, checked by
// hand against the board's own rules.
#include "game.h"
#include "notation.h"
#include "rules_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vintrel {
namespace {

using testing::RandomGame;
using testing::RowName;

// Red wins at the corner on the 41st move, after a commitment met at 53.
constexpr std::string_view CornerGame =
    "1. 70-52 6-26 2. 80-62 26-35 3. 62-42 27-49 4. 82-64 16-27 5. 83-73 7-16\n"
    "6. 71-53 35x53 7. 64x53 16-25 8. 81-70 25-45 9. 42-43 45x43 10. 52x43 8-26\n"
    "11. 53-44 26x44 12. 43x44 18-16 13. 44-22 9-7 14. 60-50 38-56 15. 73-75 56-66\n"
    "16. 75x66 7-25 17. 61-63 28-37 18. 22-4 17-6 19. 4x6 19-8 20. 6x8 27-38 21. 8-9\n";

std::vector<PlayedMove> MovesOf(std::string_view text) {
    const ReadResult read = ReadGame(text);
    EXPECT_TRUE(read.game) << read.error->describe("text");
    return read.game ? read.game->moves : std::vector<PlayedMove>{};
}

// ----------------------------------------------------------------- the game

CommitmentRecord BlueMustCapture(Cell cell) { return {true, cell, false, NoCell}; }
CommitmentRecord RedMustCapture(Cell cell) { return {false, NoCell, true, cell}; }

TEST(Game, KeepsTheCommitmentsTurnAndEndAsTheBoardDoes) {
    const std::vector<PlayedMove> moves = MovesOf(CornerGame);
    ASSERT_EQ(moves.size(), 41u);
    Game game = Game::Replayed(std::span(moves).first(10));
    ASSERT_EQ(game.play(71, 53).outcome, DropOutcome::Moved);
    EXPECT_EQ(game.commitments(), BlueMustCapture(53));
    EXPECT_EQ(game.toMove(), Side::Blue);

    // Refused drops, and drops of no man of blue's, change nothing.
    EXPECT_EQ(game.play(8, 26).outcome, DropOutcome::MustCapture);
    EXPECT_EQ(game.play(64, 53).outcome, DropOutcome::NoChange);
    EXPECT_EQ(game.play(50, 51).outcome, DropOutcome::NoChange);
    EXPECT_EQ(game.moves().size(), 11u);

    // Blue meets his obligation and lands committed himself; red's capture
    // clears both.
    const DropDecision capture = game.play(35, 53);
    EXPECT_EQ(capture.outcome, DropOutcome::Moved);
    EXPECT_TRUE(capture.captures);
    EXPECT_EQ(game.commitments(), RedMustCapture(53));
    EXPECT_EQ(game.toMove(), Side::Red);
    game.play(64, 53);
    EXPECT_EQ(game.commitments(), CommitmentRecord{});
    EXPECT_EQ(game.moves(), std::vector(moves.begin(), moves.begin() + 13));

    game = Game::Replayed(std::span(moves).first(40));
    EXPECT_FALSE(game.isOver());
    EXPECT_EQ(game.play(8, 9).outcome, DropOutcome::WonByCorner);
    EXPECT_EQ(game.result(), Result::RedWon);
    EXPECT_EQ(game.toMove(), Side::Red);
    EXPECT_EQ(game.play(63, 45).outcome, DropOutcome::Moved) << "the drop is still decided";
    EXPECT_EQ(game.moves(), moves) << "but a finished game takes no more moves";
}

// ------------------------------------------------------------ round trip

std::string Awkward(std::mt19937_64& random) {
    static const std::vector<std::string> pieces = {"\"", "\\", "]", "[", "{", "}", ";", " ", "\xC3\xA9",
                                                    "\\\"", "1. 61-43", "x", "", "Red"};
    std::string value;
    for (int i = int(random() % 5); i > 0; --i) value += pieces[random() % pieces.size()];
    return value;
}

GameText RandomGameText(std::uint64_t seed) {
    std::mt19937_64 random(seed);
    GameText text;
    text.moves = RandomGame(seed, random() % 2 ? 3000 : random() % 200).moves();
    for (std::string_view name : StandardTagNames) text.setTag(name, Awkward(random));
    text.setTag("Result", ResultText(Game::Replayed(text.moves).result()));
    for (int extra = int(random() % 3); extra > 0; --extra) text.setTag("Extra" + std::to_string(extra), Awkward(random));
    return text;
}

TEST(Notation, WritesGamesThatReadBackTheSame) {
    std::size_t finished = 0, longestLine = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        const GameText game = RandomGameText(seed);
        const std::string written = WriteGame(game);
        const ReadResult read = ReadGame(written);
        ASSERT_TRUE(read.game) << read.error->describe("written") << "\n" << written;
        EXPECT_EQ(read.game->moves, game.moves);
        EXPECT_EQ(read.game->tags, game.tags);
        EXPECT_EQ(WriteGame(*read.game), written);
        finished += game.tag("Result") != "*";
        std::istringstream lines(written);
        for (std::string line; std::getline(lines, line);) longestLine = std::max(longestLine, line.size());
        EXPECT_TRUE(written.ends_with("\n"));
    }
    EXPECT_GT(finished, 5u);
    EXPECT_EQ(longestLine, 79u) << "lines are filled up to column 79 and no further";
}

TEST(Notation, WritesTheResultOfTheMovesAndTheTagsInOrder) {
    GameText game;
    game.setTag("Opening", "sideways");
    game.setTag("Result", "*");
    game.setTag("Red", "Player");
    game.moves = MovesOf(CornerGame);
    const std::string written = WriteGame(game);
    EXPECT_EQ(written, "[Event \"\"]\n[Date \"\"]\n[Red \"Player\"]\n[Blue \"\"]\n[Result \"1-0\"]\n"
                       "[Opening \"sideways\"]\n\n" + std::string(CornerGame));
}

// ------------------------------------------------------------ refusals

struct BadTextRow {
    std::string name;
    std::string text;
    std::string error;
    friend void PrintTo(const BadTextRow& row, std::ostream* out) { *out << row.name; }
};

class BadText : public ::testing::TestWithParam<BadTextRow> {};

TEST_P(BadText, IsRefusedSayingWhereAndWhy) {
    const ReadResult read = ReadGame(GetParam().text);
    ASSERT_TRUE(read.error);
    EXPECT_FALSE(read.game);
    EXPECT_EQ(read.error->describe("game.vintrel"), GetParam().error);
}

// Sideways there and back, each side, never meeting: a game without end.
std::string EndlessShuffle(std::size_t moves) {
    static const std::string_view cycle[] = {"61-50 ", "38-49 ", "50-61 ", "49-38 "};
    std::string text;
    for (std::size_t i = 0; i < moves; ++i) text += cycle[i % 4];
    return text;
}

const std::string Tags = "[Event \"VINTREL game\"]\n[Result \"*\"]\n\n";

INSTANTIATE_TEST_SUITE_P(
    Moves, BadText,
    ::testing::Values(
        BadTextRow{"OutOfRange", Tags + "1. 61-43 16-34 2. 43x34 17-26\n3. 60-30",
                   "game.vintrel:5: move 3, red: 60-30 is out of range"},
        BadTextRow{"OnOwnMan", "1. 61-43 38-27", "game.vintrel:1: move 1, blue: 38-27 lands on own man"},
        BadTextRow{"NoManThere", "1. 61-43 43-34", "game.vintrel:1: move 1, blue: 43-34: no blue man on 43"},
        BadTextRow{"CommittedManLeft", "1. 61-43 16-34\n2. 60-50",
                   "game.vintrel:2: move 2, red: 60-50 leaves the committed man at 34 uncaptured"},
        BadTextRow{"StandingStill", "{ the\nusual } ; opening\n1. 61-61",
                   "game.vintrel:3: move 1, red: 61-61 does not move the man"},
        BadTextRow{"CaptureMarkedAsMove", "1. 61-43 16-34 2. 43-34",
                   "game.vintrel:1: move 2, red: 43-34 is a capture: 43x34"},
        BadTextRow{"MoveMarkedAsCapture", "1. 61x43", "game.vintrel:1: move 1, red: 61x43 captures nothing: 61-43"},
        BadTextRow{"WrongMoveNumber", "1. 61-43 16-34 3. 43x34",
                   "game.vintrel:1: move 2, red: move number \"3.\" should be \"2.\""},
        BadTextRow{"RedNumberBeforeBlue", "1. 61-43 2. 16-34",
                   "game.vintrel:1: move 1, blue: move number \"2.\" should be \"1...\""},
        BadTextRow{"MoveAfterTheEnd", std::string(CornerGame) + "1-0",
                   "game.vintrel:5: move 21, blue: 1-0 after the game has ended"},
        BadTextRow{"NoSuchDiamond", "1. 61-430", "game.vintrel:1: move 1, red: \"61-430\": there is no diamond 430 (0 to 99)"},
        BadTextRow{"TooManyMoves", EndlessShuffle(MaxGameMoves + 1),
                   "game.vintrel:1: more than 10000 moves"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Tags, BadText,
    ::testing::Values(
        BadTextRow{"UnfinishedSaidWon", "[Result \"1-0\"]\n1. 61-43",
                   "game.vintrel:1: Result \"1-0\" contradicts the moves: the game is not over"},
        BadTextRow{"WonSaidUnfinished", "[Red \"a\"]\n[Result \"*\"]\n" + std::string(CornerGame),
                   "game.vintrel:2: Result \"*\" contradicts the moves: red won"},
        BadTextRow{"ResultNotOneOfThree", "[Result \"draw\"]", "game.vintrel:1: Result \"draw\" is not 1-0, 0-1 or *"},
        BadTextRow{"GivenTwice", "[Red \"a\"]\n[Red \"b\"]", "game.vintrel:2: tag Red given twice"},
        BadTextRow{"AfterTheMoves", "1. 61-43 [Red \"a\"]", "game.vintrel:1: a tag after the moves"},
        BadTextRow{"Unterminated", "[Event \"VINTREL\n\n1. 61-43", "game.vintrel:1: unterminated tag Event"},
        BadTextRow{"BadEscape", "[Event \"a\\nb\"]", "game.vintrel:1: tag Event: a \\ that escapes neither \" nor \\"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    NotAGame, BadText,
    ::testing::Values(
        BadTextRow{"Empty", "", "game.vintrel: not a game: no tags and no moves"},
        BadTextRow{"OnlyComments", "\xEF\xBB\xBF{ nothing }\r\n; here\r\n", "game.vintrel: not a game: no tags and no moves"},
        BadTextRow{"Prose", "Dear diary,\n", "game.vintrel:1: \"Dear\" is not a move"},
        BadTextRow{"UnterminatedComment", "1. 61-43\n{ a long thought", "game.vintrel:2: unterminated comment"},
        BadTextRow{"Oversize", std::string(MaxGameTextBytes + 1, ' '),
                   "game.vintrel: larger than 1 MiB, too large for a game"}),
    RowName());

// ----------------------------------------------------------- tolerance

TEST(Notation, ReadsWhatPeopleWriteByHandAsTheCanonicalText) {
    const std::string canonical = "[Event \"Club \\\"night\\\"\"]\n[Date \"\"]\n[Red \"Ann\"]\n[Blue \"Bo\"]\n"
                                  "[Result \"*\"]\n[Round \"3\"]\n\n1. 61-43 16-34 2. 43x34 17-26\n";
    const std::string byHand = "\xEF\xBB\xBF[Round \"3\"]\r\n[ Blue  \"Bo\" ]\r\n[Red \"Ann\"] [Event \"Club \\\"night\\\"\"]\r\n"
                               "\r\n61-43 { the usual }\r\n16-34 ; commits\r\n2.43x34\t2... 17-26\r\n";
    const ReadResult canonicalRead = ReadGame(canonical), handRead = ReadGame(byHand);
    ASSERT_TRUE(canonicalRead.game && handRead.game) << (handRead.error ? handRead.error->describe("by hand") : "");
    EXPECT_EQ(handRead.game->moves, canonicalRead.game->moves);
    EXPECT_EQ(handRead.game->tags, canonicalRead.game->tags);
    EXPECT_EQ(WriteGame(*handRead.game), canonical);
}

// ------------------------------------------------------------ damage

std::string Damaged(const std::string& text, std::mt19937_64& random) {
    static const std::vector<std::string> tokens = {"x", "-", "{", "}", ";", "[", "]", "\"", "\\", "12.", "3...",
                                                    "61-43", "43x34", "*", "1-0", "\r\n", "\xEF\xBB\xBF", " ", "99x0"};
    std::string damaged = text;
    const auto anywhere = [&] { return std::size_t(random() % (damaged.size() + 1)); };
    switch (random() % 4) {
        case 0: damaged.resize(anywhere()); break;
        case 1:
            for (int flips = 1 + int(random() % 3); flips > 0 && !damaged.empty(); --flips)
                damaged[random() % damaged.size()] = char(random());
            break;
        case 2: {  // two words swapped, the text on one line
            std::vector<std::string> words;
            std::istringstream in(damaged);
            for (std::string word; in >> word;) words.push_back(word);
            if (words.size() > 1) std::swap(words[random() % words.size()], words[random() % words.size()]);
            damaged.clear();
            for (const std::string& word : words) damaged += word + ' ';
            break;
        }
        default:
            for (int inserts = 1 + int(random() % 3); inserts > 0; --inserts)
                damaged.insert(anywhere(), tokens[random() % tokens.size()]);
    }
    return damaged;
}

TEST(Notation, DamagedTextGivesAStandingGameOrAnError) {
    std::vector<std::string> good;
    for (std::uint64_t seed = 100; seed < 120; ++seed) good.push_back(WriteGame(RandomGameText(seed)));
    std::mt19937_64 random(7);
    int games = 0, errors = 0;
    for (int copy = 0; copy < 10'000; ++copy) {
        const std::string damaged = Damaged(good[random() % good.size()], random);
        const ReadResult read = ReadGame(damaged);
        ASSERT_NE(bool(read.game), bool(read.error));
        if (read.error) {
            ++errors;
            EXPECT_FALSE(read.error->what().empty());
            continue;
        }
        ++games;
        const Game replayed = Game::Replayed(read.game->moves);
        ASSERT_EQ(replayed.moves(), read.game->moves) << damaged;
        ASSERT_EQ(read.game->tag("Result"), ResultText(replayed.result())) << damaged;
    }
    EXPECT_GT(games, 100);
    EXPECT_GT(errors, 1000);
}

}  // namespace
}  // namespace vintrel
