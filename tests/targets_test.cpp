// The diamonds a held man is shown he may reach are exactly the drops the
// game takes.
#include "rules_support.h"
#include "targets.h"

#include <gtest/gtest.h>

#include <utility>

namespace vintrel {
namespace {

using testing::RandomGame;

// Every diamond of the board tried as a real drop on a copy of the game.
CellSet TakenDrops(const Game& game, Cell from) {
    CellSet taken;
    for (Cell to = 0; to < CellCount; ++to) {
        Game copy = game;
        copy.play(from, to);
        taken[std::size_t(to)] = copy.moves().size() > game.moves().size();
    }
    return taken;
}

TEST(Targets, AreTheDropsTheGameTakesForEveryManOfSeededGames) {
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        const Game whole = RandomGame(seed, 80);
        for (std::size_t ply = 0; ply <= whole.moves().size(); ply += 7) {
            const Game game = whole.after(ply);
            for (Cell from = 0; from < CellCount; ++from)
                ASSERT_EQ(TargetsOf(game, from), TakenDrops(game, from))
                    << "seed " << seed << ", ply " << ply << ", from " << from;
        }
        // Over, the game takes no move at all.
        if (!whole.isOver()) continue;
        for (Cell from = 0; from < CellCount; ++from) EXPECT_TRUE(TargetsOf(whole, from).none());
    }
}

TEST(Targets, OfAManOwingACaptureAreTheCaptureAloneAndOtherMenHaveNone) {
    Game game;
    // Blue steps into the reach of the red man on 43: red must take him.
    for (auto [from, to] : {std::pair<Cell, Cell>{61, 43}, {16, 34}}) ASSERT_TRUE(Stands(game.play(from, to).outcome));
    CellSet capture;
    capture[34] = true;
    EXPECT_EQ(TargetsOf(game, 43), capture);
    for (Cell red : RedHomeCells)
        if (red != 61) {
            EXPECT_TRUE((TargetsOf(game, red) & ~capture).none()) << red;
        }
    EXPECT_TRUE(TargetsOf(game, 9).none());   // blue's man, red to move
    EXPECT_TRUE(TargetsOf(game, 50).none());  // an empty diamond
}

}  // namespace
}  // namespace vintrel
