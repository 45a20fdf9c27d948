// What a screen reader hears: every cell names its index and what stands
// on it, and keeps that name as the game goes on; panels and buttons speak
// their texts.
#include "game_driver.h"

#include <QAccessible>
#include <QAccessibleInterface>

#include <gtest/gtest.h>

namespace vintrel {
namespace {

using testing::GameDriver;

QString SpokenName(QObject& object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<no accessible interface>");
}

QString SpokenName(BoardWindow& window, Cell cell) { return SpokenName(window.cell(cell)); }

TEST(AccessibleCells, NameTheirIndexAndOccupantInBothViews) {
    GameDriver game;
    for (BoardWindow* window : {&game.red(), &game.blue()}) {
        EXPECT_EQ(SpokenName(*window, 61), "cell 61, red man");
        EXPECT_EQ(SpokenName(*window, 41), "cell 41, empty");
        EXPECT_EQ(SpokenName(*window, 9), "cell 9, blue man");
        EXPECT_EQ(SpokenName(*window, 0), "cell 0, empty");
        EXPECT_EQ(SpokenName(*window, 99), "cell 99, empty");
    }
}

TEST(AccessibleCells, FollowMovesCapturesAndTheOtherViewsRefresh) {
    GameDriver game;
    game.play("61-43");  // the blue view comes up
    EXPECT_EQ(SpokenName(game.red(), 61), "cell 61, empty");
    EXPECT_EQ(SpokenName(game.red(), 43), "cell 43, red man");
    EXPECT_EQ(SpokenName(game.blue(), 61), "cell 61, empty");
    EXPECT_EQ(SpokenName(game.blue(), 43), "cell 43, red man");
    game.play("16-34 43-34");  // blue steps into reach; red captures
    BoardWindow& shown = game.shown();
    EXPECT_EQ(SpokenName(shown, 43), "cell 43, empty");
    EXPECT_EQ(SpokenName(shown, 34), "cell 34, red man");
    EXPECT_EQ(SpokenName(shown, 16), "cell 16, empty");
}

TEST(AccessibleCells, TakeBackAndResetRestoreTheNames) {
    GameDriver game;
    game.trigger("mnuSwitch");  // stay in the red view, so that a take back is possible
    game.play("61-43");
    game.trigger("mnuUnmove");
    EXPECT_EQ(SpokenName(game.red(), 61), "cell 61, red man");
    EXPECT_EQ(SpokenName(game.red(), 43), "cell 43, empty");
    game.play("61-43 16-34");
    game.trigger("mnuReset");
    EXPECT_EQ(SpokenName(game.red(), 61), "cell 61, red man");
    EXPECT_EQ(SpokenName(game.red(), 16), "cell 16, blue man");
    EXPECT_EQ(SpokenName(game.red(), 43), "cell 43, empty");
    EXPECT_EQ(SpokenName(game.red(), 34), "cell 34, empty");
}

TEST(AccessiblePanels, SpeakTheTextsTheyShow) {
    GameDriver game;
    game.click(9);  // a blue man, with red to move
    BoardWindow& red = game.red();
    EXPECT_EQ(SpokenName(GameDriver::label(red, "lblInfo")), "NOT YOUR TURN");
    EXPECT_EQ(SpokenName(GameDriver::label(red, "lblOVER")), "GAME OVER!!");
    EXPECT_TRUE(SpokenName(GameDriver::label(red, "lblRules")).startsWith("Beginning the game:"));
    EXPECT_EQ(SpokenName(GameDriver::button(red, "cmdReset")), "RESET");
    EXPECT_EQ(SpokenName(GameDriver::button(red, "cmdShowCom")), "Show Committment");
    EXPECT_EQ(SpokenName(GameDriver::button(red, "cmdHideRules")), "Hide Rules");
}

}  // namespace
}  // namespace vintrel
