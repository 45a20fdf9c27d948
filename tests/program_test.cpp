// The program as it is put together for a player: each part that follows
// the game hears every change of it once, whichever hand made it.
#include "game_driver.h"

#include <QListWidget>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace vintrel::testing {
namespace {

// What the autosave, the move list and the screen reader have heard.
struct Listeners {
    explicit Listeners(GameDriver& game)
        : list(game.games().moveList().list()),
          saved(&game.games().autosave(), &Autosave::savedMovesChanged),
          told(&game.program().announcer(), &Announcer::told) {}

    void forget() {
        saved.clear();
        told.clear();
    }
    QStringList rows() const {
        QStringList texts;
        for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
        return texts;
    }

    QListWidget& list;
    QSignalSpy saved;
    QSignalSpy told;
};

TEST(Program, EveryPartHearsAMoveATakeBackARedoAndAGameOpenedOnce) {
    GameDriver game;
    game.trigger("mnuSwitch");
    Listeners heard(game);

    game.drag(61, 43);
    EXPECT_EQ(heard.saved.count(), 1);
    ASSERT_EQ(heard.told.count(), 1);
    EXPECT_EQ(heard.told[0][0].toString(), "Red moved 61 to 43");
    EXPECT_EQ(heard.rows(), QStringList{"1. red 61-43"});
    EXPECT_TRUE(WriteGame(game.games().files().gameText()).starts_with("[Event \"VINTREL game\"]"));

    heard.forget();
    game.trigger("mnuUnmove");
    EXPECT_EQ(heard.saved.count(), 1);
    EXPECT_EQ(heard.told.count(), 0) << "a take back is no news";
    EXPECT_EQ(game.shown().accessibleDescription(), "Red to move");
    EXPECT_EQ(heard.rows(), QStringList{});

    // The move taken back comes back as if played again.
    heard.forget();
    ASSERT_TRUE(game.model().redo());
    EXPECT_EQ(heard.saved.count(), 1);
    ASSERT_EQ(heard.told.count(), 1);
    EXPECT_EQ(heard.told[0][0].toString(), "Red moved 61 to 43");
    EXPECT_EQ(heard.rows(), QStringList{"1. red 61-43"});
    EXPECT_EQ(game.red().position(), game.gameState().position());
    game.trigger("mnuUnmove");

    heard.forget();
    ASSERT_TRUE(game.games().files().openText("1. 61-43 16-34\n", QStringLiteral("game.vintrel")));
    EXPECT_EQ(heard.saved.count(), 1);
    ASSERT_EQ(heard.told.count(), 1);
    EXPECT_EQ(heard.told[0][0].toString(), "Game opened: 2 moves, red to move");
    EXPECT_EQ(heard.rows(), (QStringList{"1. red 61-43", "1. blue 16-34"}));
    EXPECT_EQ(game.games().autosave().savedMoves(), game.gameState().moves());
    EXPECT_EQ(game.cursor(), 34) << "the keys go on from where the last move ended";
}

}  // namespace
}  // namespace vintrel::testing
