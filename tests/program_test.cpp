// The program as it is put together for a player: each part that follows
// the game hears every change of it once, whichever hand made it.
#include "computer_player.h"
#include "game_driver.h"

#include <QTableWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vintrel::testing {
namespace {

// What the autosave, the move list and the screen reader have heard.
struct Listeners {
    explicit Listeners(GameDriver& game)
        : list(game.games().moveList().table()),
          saved(&game.games().autosave(), &Autosave::savedMovesChanged),
          told(&game.program().announcer(), &Announcer::told) {}

    void forget() {
        saved.clear();
        told.clear();
    }
    QStringList rows() const {
        QStringList texts;
        for (int row = 0; row < list.rowCount(); ++row)
            for (int column = 0; column < 2; ++column)
                if (QTableWidgetItem* item = list.item(row, column)) texts << item->text();
        return texts;
    }

    QTableWidget& list;
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
    EXPECT_EQ(heard.rows(), QStringList{"61-43"});
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
    EXPECT_EQ(heard.rows(), QStringList{"61-43"});
    EXPECT_EQ(game.red().position(), game.gameState().position());
    game.trigger("mnuUnmove");

    heard.forget();
    ASSERT_TRUE(game.games().files().openText("1. 61-43 16-34\n", QStringLiteral("game.vintrel")));
    EXPECT_EQ(heard.saved.count(), 1);
    ASSERT_EQ(heard.told.count(), 1);
    EXPECT_EQ(heard.told[0][0].toString(), "Game opened: 2 moves, red to move");
    EXPECT_EQ(heard.rows(), (QStringList{"61-43", "16-34"}));
    EXPECT_EQ(game.games().autosave().savedMoves(), game.gameState().moves());
    EXPECT_EQ(game.cursor(), 34) << "the keys go on from where the last move ended";
}

// What a player can check after a take back or a redo: the board, the
// game kept for the next run and the redo item.
void ExpectBoardAndAutosave(GameDriver& game, std::size_t plies) {
    EXPECT_EQ(game.gameState().moves().size(), plies);
    EXPECT_EQ(game.shown().position(), game.gameState().position());
    game.games().autosave().flush();
    EXPECT_EQ(game.games().autosave().savedMoves(), game.gameState().moves());
}

void Redo(GameDriver& game, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(game.shown().windowHandle(), key, modifiers);
}

TEST(Program, RedoBringsBackAMoveTakenBackByEitherKeyAndAsIfPlayedAgain) {
    GameDriver game;
    game.trigger("mnuSwitch");
    game.play("61-43 16-34 43-34");
    EXPECT_FALSE(game.action("mnuRedo").isEnabled());
    using Keys = std::pair<Qt::Key, Qt::KeyboardModifiers>;
    for (auto [key, modifiers] : {Keys{Qt::Key_Y, Qt::ControlModifier},
                                  Keys{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}}) {
        game.trigger("mnuUnmove");
        ExpectBoardAndAutosave(game, 2);
        ASSERT_TRUE(game.action("mnuRedo").isEnabled());
        Redo(game, key, modifiers);
        ExpectBoardAndAutosave(game, 3);
        EXPECT_FALSE(game.action("mnuRedo").isEnabled());
    }
    // With the switch on, the move brought back hands over as it did; the
    // take back and the redo return the board from an earlier position to
    // the game.
    game.model().browse(1);
    game.trigger("mnuUnmove");
    EXPECT_FALSE(game.model().isBrowsing()) << "a take back returns to the game too";
    game.model().browse(1);
    game.trigger("mnuSwitch");
    game.trigger("mnuRedo");
    EXPECT_EQ(&game.shown(), &game.blue());
    EXPECT_FALSE(game.model().isBrowsing());
    ExpectBoardAndAutosave(game, 3);
    // A new move drops the move kept.
    game.trigger("mnuUnmove");
    const Move other = StandingMoves(game.gameState().position(), Side::Red, game.gameState().commitments()).back();
    game.drag(other.from, other.to);
    EXPECT_FALSE(game.action("mnuRedo").isEnabled());
}

TEST(Program, AgainstTheComputerRedoBringsBackTheMoveAndTheReplyTogether) {
    GameDriver game({.seed = 3, .glide = false, .nodeCap = 2000});
    game.trigger("mnuComputerBlue");
    QSignalSpy played(&game.computer(), &ComputerPlayer::played);
    game.drag(61, 43);
    ASSERT_TRUE(played.wait(60'000));
    const std::vector<PlayedMove> both = game.gameState().moves();
    game.trigger("mnuUnmove");
    ExpectBoardAndAutosave(game, 0);
    game.trigger("mnuRedo");
    EXPECT_EQ(game.gameState().moves(), both);
    ExpectBoardAndAutosave(game, 2);
    QCoreApplication::processEvents();
    EXPECT_FALSE(game.computer().isBusy()) << "the reply came back; the computer has nothing to think of";
}

}  // namespace
}  // namespace vintrel::testing
