// The board window as it opens: the starting position, the drawing of both
// views, their icon, and what is shown and hidden before anyone has moved.
#include "program.h"
#include "startup.h"
#include "game_driver.h"
#include "layout.h"

#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vintrel {
namespace {

using testing::GameDriver;

TEST(StartingPosition, ThirteenMenEachOnTheirHomeCornersAndRedToMove) {
    GameDriver game;
    BoardWindow& red = game.red();
    ASSERT_EQ(&game.shown(), &red);
    int redMen = 0, blueMen = 0, empty = 0;
    for (Cell i = 0; i < CellCount; ++i) {
        const CellBox& box = red.cell(i);
        EXPECT_TRUE(box.isEnabled());
        if (box.tag() == "H1") {
            ++redMen;
            EXPECT_EQ(box.picture(), Picture::Vint1Red) << i;
        } else if (box.tag() == "H3") {
            ++blueMen;
            EXPECT_EQ(box.picture(), Picture::Vint3Blue) << i;
        } else {
            ++empty;
            EXPECT_EQ(box.tag(), "");
            EXPECT_EQ(box.picture(), Picture::Blank) << i;
        }
    }
    EXPECT_EQ(redMen, 13);
    EXPECT_EQ(blueMen, 13);
    EXPECT_EQ(empty, 74);
    for (Cell i : {90, 80, 91, 70, 81, 92, 60, 71, 82, 93, 61, 72, 83}) EXPECT_EQ(red.cell(i).tag(), "H1");
    for (Cell i : {9, 8, 19, 7, 18, 29, 6, 17, 28, 39, 16, 27, 38}) EXPECT_EQ(red.cell(i).tag(), "H3");
    // The outer cells of the fifth line stay empty.
    for (Cell i : {50, 94, 5, 49}) EXPECT_EQ(red.cell(i).tag(), "");
    EXPECT_EQ(red.game().toMove(), Side::Red);
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Red);
}

TEST(StartingPosition, BlueViewIsLoadedHiddenWithTheSameGameInItsOwnPictures) {
    GameDriver game;
    BoardWindow& blue = game.blue();
    EXPECT_TRUE(blue.isLoaded());
    EXPECT_TRUE(blue.isHidden());
    EXPECT_EQ(blue.position(), StartingPosition());
    EXPECT_EQ(blue.cell(90).picture(), Picture::Vint3Red);
    EXPECT_EQ(blue.cell(9).picture(), Picture::Vint1Blue);
    EXPECT_EQ(blue.cell(50).picture(), Picture::Blank);
}

TEST(StartingPosition, MenusOfTheRedView) {
    GameDriver game;
    BoardWindow& red = game.red();
    EXPECT_FALSE(GameDriver::action(red, "mnuUnmove").isEnabled());
    EXPECT_TRUE(GameDriver::action(red, "mnuBlue").isEnabled());
    EXPECT_TRUE(GameDriver::action(red, "mnuSwitch").isEnabled());
    EXPECT_TRUE(GameDriver::action(red, "mnuSwitch").isChecked());
    QStringList bar;
    for (QAction* entry : red.menuBar()->actions()) bar << entry->text();
    EXPECT_EQ(bar, QStringList({"&Options", "&View", "&Help", "R&ules"}));
    EXPECT_EQ(GameDriver::action(red, "mnuReset").text(), "Reset &Pieces");
    EXPECT_EQ(GameDriver::action(game.blue(), "mnuReset").text(), "&Reset Pieces");
    EXPECT_EQ(GameDriver::action(game.blue(), "mnuRed").text(), "&Red View");
}

TEST(Layout, BothViewsDrawTheSameBoardTurnedHalfRound) {
    GameDriver game;
    for (Cell i = 0; i < CellCount; ++i) {
        const QRect redPlace = game.red().cell(Cell(99 - i)).geometry();
        EXPECT_EQ(game.blue().cell(i).geometry(), redPlace) << i;
        EXPECT_EQ(redPlace.size(), QSize(25, 25));
    }
    // Corners of the red view, in pixels of 15 twips.
    EXPECT_EQ(game.red().cell(0).pos(), QPoint(96, 264));
    EXPECT_EQ(game.red().cell(9).pos(), QPoint(312, 48));
    EXPECT_EQ(game.red().cell(90).pos(), QPoint(312, 480));
    EXPECT_EQ(game.red().cell(99).pos(), QPoint(528, 264));
    EXPECT_EQ(game.blue().cell(0).pos(), QPoint(528, 264));
    // Neighbours along a row of the grid overlap by one pixel at the corner.
    EXPECT_EQ(game.red().cell(44).geometry().intersected(game.red().cell(45).geometry()).size(),
              QSize(1, 1));
}

TEST(Layout, FixedClientAreaBelowTheMenuBar) {
    GameDriver game;
    for (BoardWindow* window : {&game.red(), &game.blue()}) {
        EXPECT_EQ(window->centralWidget()->size(), QSize(792, 554));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
    }
    EXPECT_EQ(game.red().windowTitle(), "VINTREL RED VIEW");
    EXPECT_EQ(game.blue().windowTitle(), "VINTREL BLUE VIEW");
}

// What a task bar shows for each window once it is on screen: the
// desktop's icon for the game, or the one built into the program.
TEST(Layout, EachViewCarriesTheGamesIcon) {
    Program program(testing::SourcePictures(), {.computer = false});
    program.start();
    for (const char* otherView : {"mnuBlue", "mnuRed"}) {
        BoardWindow& window = *program.views().shown();
        QTRY_VERIFY(!window.windowIcon().pixmap(48).isNull());
        window.findChild<QAction*>(QLatin1String(otherView))->trigger();
    }
}

TEST(Layout, PanelsAndButtonsAreHiddenUntilAsked) {
    GameDriver game;
    for (BoardWindow* window : {&game.red(), &game.blue()}) {
        for (const char* name : {"lblInfo", "lblRules", "lblOVER", "lblabout"})
            EXPECT_TRUE(GameDriver::label(*window, name).isHidden()) << name;
        for (const char* name : {"cmdShowCom", "cmdReset", "cmdHideRules", "cmdokabout(1)"})
            EXPECT_TRUE(GameDriver::button(*window, name).isHidden()) << name;
    }
    EXPECT_EQ(GameDriver::label(game.red(), "lblOVER").text(), "GAME OVER!!");
    EXPECT_EQ(GameDriver::button(game.red(), "cmdReset").toolTip(), "New");
    EXPECT_EQ(GameDriver::button(game.blue(), "cmdReset").toolTip(), "");
}

TEST(Layout, CellsAndButtonsStandInFrontOfLabelsAndLines) {
    GameDriver game;
    BoardWindow& red = game.red();
    QWidget* board = red.centralWidget();
    const QObjectList& order = board->children();  // back to front
    auto depth = [&](const char* name) {
        return order.indexOf(board->findChild<QWidget*>(QLatin1String(name)));
    };
    EXPECT_GT(depth("pbVintrv(0)"), depth("Line3"));
    EXPECT_GT(depth("cmdShowCom"), depth("pbVintrv(99)"));
    EXPECT_GT(depth("lblRules"), depth("lblInfo"));
    EXPECT_GT(depth("lblRules"), depth("lnBlack(0)"));
    EXPECT_GT(depth("lnlin(0)"), depth("lnin(10)"));
    EXPECT_GT(depth("Line3"), depth("Line1"));
    board = game.blue().centralWidget();
    const QObjectList& blueOrder = board->children();
    EXPECT_GT(blueOrder.indexOf(board->findChild<QWidget*>("lnin(0)")),
              blueOrder.indexOf(board->findChild<QWidget*>("lnlin(0)")));
}

TEST(Layout, ActivationWhitensTheBackgroundAndColoursTheFrame) {
    GameDriver game;
    const QColor white(255, 255, 255);
    for (int i = 0; i < 14; ++i) {
        auto* piece = game.red().findChild<QLabel*>(QStringLiteral("lblBG(%1)").arg(i));
        ASSERT_NE(piece, nullptr);
        EXPECT_EQ(piece->palette().color(QPalette::Window), white);
    }
    // The blue view is loaded but has not been shown yet.
    auto* bluePiece = game.blue().findChild<QLabel*>(QStringLiteral("lblBG(15)"));
    ASSERT_NE(bluePiece, nullptr);
    EXPECT_EQ(bluePiece->palette().color(QPalette::Window), QColor(255, 224, 192));
}

TEST(Commitment, AMoveIntoRangeHidesOneCellOfTheOtherViewUntilTheNextMove) {
    GameDriver game;
    game.trigger("mnuSwitch");  // both players stay in the red view
    game.play("61-43");
    EXPECT_FALSE(game.red().game().commitments().H1Com);
    EXPECT_TRUE(game.blue().hiddenCells().none());
    game.play("16-34");  // blue's man on 34 stands in reach of red's on 43
    EXPECT_TRUE(game.red().game().commitments().H3Com);
    EXPECT_EQ(game.red().game().commitments().H3ComCell, 34);
    CellSet expected;
    expected.set(34);
    EXPECT_EQ(game.blue().hiddenCells(), expected);
    game.play("43-34");  // red captures; his man on 34 is in nobody's reach
    EXPECT_FALSE(game.red().game().commitments().H1Com);
    EXPECT_EQ(game.red().game().commitments().H1ComCell, NoCell);
    EXPECT_TRUE(game.blue().hiddenCells().none());
}

}  // namespace
}  // namespace vintrel
