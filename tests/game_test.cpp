// The game's history: any number of moves taken back and brought back, the
// moves kept dropped by a new move, and the game read at any earlier ply,
// each checked against the same moves replayed from the start.
#include "game.h"
#include "rules_support.h"

#include <gtest/gtest.h>

#include <span>

namespace vintrel {
namespace {

using testing::RandomGame;

// Everything a player or a view can read of a game, the moves aside.
void ExpectSameStanding(const Game& game, const Game& expected, std::size_t ply) {
    EXPECT_EQ(game.position(), expected.position()) << "after " << ply << " moves";
    EXPECT_EQ(game.toMove(), expected.toMove()) << "after " << ply << " moves";
    EXPECT_EQ(game.commitments(), expected.commitments()) << "after " << ply << " moves";
    EXPECT_EQ(game.result(), expected.result()) << "after " << ply << " moves";
}

Game ReplayedPrefix(const Game& whole, std::size_t ply) {
    return Game::Replayed(std::span(whole.moves()).first(ply));
}

TEST(History, TakesBackAndRedoesEveryMoveOfSeededGamesAsTheirReplays) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const Game played = RandomGame(seed, 120);
        Game game = played;
        for (std::size_t ply = played.moves().size(); ply > 0; --ply) {
            ASSERT_TRUE(game.takeBack());
            ExpectSameStanding(game, ReplayedPrefix(played, ply - 1), ply - 1);
            ExpectSameStanding(played.after(ply - 1), ReplayedPrefix(played, ply - 1), ply - 1);
        }
        EXPECT_FALSE(game.takeBack());
        for (std::size_t ply = 1; ply <= played.moves().size(); ++ply) {
            ASSERT_TRUE(Stands(game.redo().outcome));
            ExpectSameStanding(game, ReplayedPrefix(played, ply), ply);
        }
        EXPECT_FALSE(Stands(game.redo().outcome));
        EXPECT_EQ(game.moves(), played.moves());
    }
}

TEST(History, ANewMoveOrTruncateDropsTheMovesKept) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const Game played = RandomGame(seed, 40);
        const std::size_t half = played.moves().size() / 2;
        Game game = played;
        while (game.moves().size() > half) game.takeBack();
        ASSERT_EQ(game.movesKept().size(), played.moves().size() - half);

        Game truncated = game;
        truncated.truncate();
        EXPECT_FALSE(Stands(truncated.redo().outcome));
        ExpectSameStanding(truncated, ReplayedPrefix(played, half), half);

        // Another move than the one kept, where there is one.
        const PlayedMove next = played.moves()[half];
        for (const Move& move : StandingMoves(game.position(), game.toMove(), game.commitments())) {
            if (move.from == next.from && move.to == next.to) continue;
            ASSERT_TRUE(Stands(game.play(move.from, move.to).outcome));
            EXPECT_TRUE(game.movesKept().empty());
            EXPECT_FALSE(Stands(game.redo().outcome));
            break;
        }
    }
}

TEST(History, ARefusedDropKeepsTheMovesTakenBack) {
    Game game;
    ASSERT_TRUE(Stands(game.play(61, 43).outcome));
    ASSERT_TRUE(game.takeBack());
    EXPECT_EQ(game.play(61, 21).outcome, DropOutcome::NotPermitted);
    ASSERT_TRUE(Stands(game.redo().outcome));
    EXPECT_EQ(game.moves(), (std::vector<PlayedMove>{{61, 43}}));
}

}  // namespace
}  // namespace vintrel
