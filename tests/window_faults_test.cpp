// Faults at the edges of the windows' life: a window closed, hidden or
// reset while a man is held, presses that reach the view not on screen,
// the program left with panels open, and the blue view's reset over and
// over again.
#include "game_driver.h"

#include "move.h"
#include "range.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace vintrel {
namespace {

using testing::GameDriver;

// A man pressed and carried part of the way; let go later, whatever has
// happened to his window meanwhile.
class HeldMan {
public:
    HeldMan(BoardWindow& window, Cell from, Qt::MouseButton button = Qt::LeftButton)
        : window_(window), source_(window.cell(from)), button_(button) {
        QTest::mousePress(&source_, button_, {}, source_.rect().center());
        QTest::mouseMove(&source_, source_.rect().center() + QPoint(9, -4));
    }

    // Under the mouse grab the release reaches the pressed cell, even when
    // its window has gone.
    void releaseOver(Cell target) {
        const QPoint end = source_.mapFrom(source_.parentWidget(), window_.cell(target).geometry().center());
        QTest::mouseMove(&source_, end);
        QTest::mouseRelease(&source_, button_, {}, end);
    }

private:
    BoardWindow& window_;
    CellBox& source_;
    Qt::MouseButton button_;
};

void UncheckSwitchAutomatically(GameDriver& game) {
    if (game.action("mnuSwitch").isChecked()) game.trigger("mnuSwitch");
}

// Moves that stand and leave the game going.
std::vector<Move> OrdinaryMoves(const BoardWindow& window, Side mover) {
    std::vector<Move> moves = StandingMoves(window.position(), mover, window.game().commitments());
    std::erase_if(moves, [](const Move& move) { return move.decision.outcome != DropOutcome::Moved; });
    return moves;
}

void ExpectNewGameInBothViews(GameDriver& game) {
    EXPECT_EQ(game.views().shown(), &game.red());
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Red);
    for (BoardWindow* window : {&game.red(), &game.blue()}) {
        SCOPED_TRACE(window->view().formName);
        EXPECT_EQ(window->position(), StartingPosition());
        EXPECT_EQ(window->game().toMove(), Side::Red);
        EXPECT_FALSE(window->hiddenCells().any());
        EXPECT_FALSE(window->isDragging());
        EXPECT_TRUE(window->cell(0).isEnabled());
        EXPECT_TRUE(GameDriver::action(*window, "mnuSwitch").isChecked());
        EXPECT_FALSE(GameDriver::action(*window, "mnuUnmove").isEnabled());
        for (const char* panel : {"lblInfo", "lblRules", "lblOVER", "lblabout"})
            EXPECT_TRUE(GameDriver::label(*window, panel).isHidden()) << panel;
    }
}

// ------------------------------------------------- a man held when ...

TEST(ManHeld, ClosingHisWindowEndsTheProgramAndTheLateReleaseDoesNothing) {
    for (const bool inBlueView : {false, true}) {
        SCOPED_TRACE(inBlueView ? "blue view" : "red view");
        GameDriver game;
        if (inBlueView) game.drag(61, 41);  // the switch hands the move to blue
        BoardWindow& window = game.shown();
        const Position before = window.position();
        QSignalSpy ended(&game.views(), &ViewPair::programEnded);
        HeldMan held(window, inBlueView ? 27 : 72);
        ASSERT_TRUE(window.isDragging());

        window.close();
        EXPECT_EQ(ended.count(), 1);
        EXPECT_EQ(game.views().shown(), nullptr);
        EXPECT_FALSE(window.isDragging());

        held.releaseOver(inBlueView ? 37 : 63);
        game.red().close();
        game.blue().close();
        EXPECT_EQ(window.position(), before);
        EXPECT_EQ(ended.count(), 1);
        EXPECT_EQ(game.views().shown(), nullptr);
    }
}

TEST(ManHeld, ChoosingTheOtherViewLetsGoOfHimAndTheGameGoesOnThere) {
    GameDriver game;
    HeldMan held(game.red(), 72);
    game.trigger("mnuBlue");
    held.releaseOver(63);

    EXPECT_EQ(game.views().shown(), &game.blue());
    EXPECT_FALSE(game.red().isDragging());
    EXPECT_EQ(game.red().position(), StartingPosition());
    EXPECT_EQ(game.blue().position(), StartingPosition());
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Red);
    // Red, still to move, moves the same man in the blue view.
    game.drag(72, 63);
    EXPECT_EQ(game.views().shown(), &game.red());
    EXPECT_EQ(game.red().cell(63).tag(), "H1");
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Blue);
}

// Red's move taken back by keyboard while blue holds a man: were the man
// to land, blue would move out of turn.
TEST(ManHeld, TakingBackTheLastMoveLetsGoOfHim) {
    GameDriver game;
    UncheckSwitchAutomatically(game);
    game.drag(61, 41);
    ASSERT_EQ(game.views().sharedTurnRecord(), Side::Blue);
    HeldMan held(game.red(), 27);
    game.trigger("mnuUnmove");
    held.releaseOver(37);

    EXPECT_EQ(game.red().position(), StartingPosition());
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Red);
    EXPECT_EQ(game.red().game().toMove(), Side::Red);
    EXPECT_FALSE(game.red().isDragging());
    EXPECT_EQ(game.message(), "");
    game.drag(72, 63);
    EXPECT_EQ(game.red().cell(63).tag(), "H1");
}

TEST(ManHeld, ResetInEitherViewLetsGoOfHim) {
    for (const bool inBlueView : {false, true}) {
        SCOPED_TRACE(inBlueView ? "blue view" : "red view");
        GameDriver game;
        if (inBlueView) game.drag(61, 41);
        HeldMan held(game.shown(), inBlueView ? 27 : 72);
        game.trigger("mnuReset");
        held.releaseOver(inBlueView ? 37 : 63);
        ExpectNewGameInBothViews(game);
        EXPECT_EQ(game.red().position(), StartingPosition());
    }
}

// ---------------------------------------------- the view not on screen

// Only the view on screen takes moves; a press delivered late to the view
// just hidden must not start a drag there.
TEST(HiddenView, PressesThatReachItMoveNothing) {
    for (const bool switchOn : {true, false}) {
        SCOPED_TRACE(switchOn ? "switching automatically" : "not switching");
        GameDriver game;
        if (!switchOn) UncheckSwitchAutomatically(game);
        BoardWindow& hidden = game.blue();
        ASSERT_TRUE(hidden.isHidden());

        HeldMan redMan(hidden, 72);
        redMan.releaseOver(63);
        HeldMan blueMan(hidden, 27);
        blueMan.releaseOver(37);

        EXPECT_EQ(game.views().shown(), &game.red());
        EXPECT_FALSE(hidden.isDragging());
        EXPECT_EQ(hidden.position(), StartingPosition());
        EXPECT_EQ(game.red().position(), StartingPosition());
        EXPECT_EQ(game.views().sharedTurnRecord(), Side::Red);
        EXPECT_EQ(game.red().game().toMove(), Side::Red);
        // The shown view plays on as if nothing had happened.
        game.drag(72, 63);
        EXPECT_EQ(game.red().cell(63).tag(), "H1");
        EXPECT_EQ(game.views().sharedTurnRecord(), Side::Blue);
    }
}

// ------------------------------------------------------ leaving the game

TEST(Leaving, WithEveryPanelOpenEndsTheProgramOnceFromEitherView) {
    for (const bool inBlueView : {false, true}) {
        for (const bool byCloseBox : {false, true}) {
            SCOPED_TRACE(std::string(inBlueView ? "blue view" : "red view") +
                         (byCloseBox ? ", close box" : ", Exit"));
            GameDriver game;
            if (inBlueView) game.drag(61, 41);
            game.trigger("mnuRules");
            game.trigger("mnuabout");
            ASSERT_TRUE(GameDriver::isShown(GameDriver::label(game.shown(), "lblRules")));
            QSignalSpy ended(&game.views(), &ViewPair::programEnded);

            if (byCloseBox)
                game.shown().close();
            else
                game.trigger("mnuExit");

            EXPECT_EQ(ended.count(), 1);
            EXPECT_EQ(game.views().shown(), nullptr);
            EXPECT_TRUE(game.red().isHidden());
            EXPECT_TRUE(game.blue().isHidden());
        }
    }
}

// --------------------------------------------- the blue view's new game

// The reset in the blue view rebuilds both windows while its own handler
// is still running; doing it again and again must leave nothing behind.
TEST(BlueViewReset, TwoHundredTimesWithMovesInBetweenLeavesTwoFreshViews) {
    GameDriver game;
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        if (round % 5 == 1) UncheckSwitchAutomatically(game);
        for (int move = 0; move <= round % 4; ++move) {
            const auto moves = OrdinaryMoves(game.shown(), game.views().sharedTurnRecord());
            ASSERT_FALSE(moves.empty());
            const Move& chosen = moves[std::size_t(round * 7 + move) % moves.size()];
            game.drag(chosen.from, chosen.to);
        }
        if (game.views().shown() != &game.blue()) game.trigger("mnuBlue");
        ASSERT_EQ(game.views().shown(), &game.blue());
        EXPECT_EQ(game.blue().position(), game.red().position());
        if (round % 3 == 0) game.trigger("mnuRules");
        if (round % 4 == 0) game.trigger("mnuabout");

        game.trigger("mnuReset");
        ExpectNewGameInBothViews(game);
        if (::testing::Test::HasFailure()) return;
    }
    game.trigger("mnuBlue");
    EXPECT_EQ(game.blue().position(), StartingPosition());
}

}  // namespace
}  // namespace vintrel
