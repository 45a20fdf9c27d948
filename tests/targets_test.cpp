// The diamonds a held man is shown he may reach are exactly the drops the
// game takes: random play owes captures often enough to test those too.
#include "rules_support.h"
#include "targets.h"

#include <gtest/gtest.h>

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
    int owingACapture = 0;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        const Game whole = RandomGame(seed, 80);
        for (std::size_t ply = 0; ply <= whole.moves().size(); ply += 7) {
            const Game game = whole.after(ply);
            owingACapture += game.commitments().H1Com || game.commitments().H3Com;
            for (Cell from = 0; from < CellCount; ++from)
                ASSERT_EQ(TargetsOf(game, from), TakenDrops(game, from))
                    << "seed " << seed << ", ply " << ply << ", from " << from;
        }
        // Over, the game takes no move at all.
        if (!whole.isOver()) continue;
        for (Cell from = 0; from < CellCount; ++from) EXPECT_TRUE(TargetsOf(whole, from).none());
    }
    EXPECT_GT(owingACapture, 5);
}

}  // namespace
}  // namespace vintrel
