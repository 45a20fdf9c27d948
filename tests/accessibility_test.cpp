// What a screen reader hears: every cell names its index and what stands
// on it, and keeps that name as the game goes on; panels and buttons speak
// their texts.
#include "game_driver.h"

#include <QAccessible>
#include <QAccessibleInterface>

#include <gtest/gtest.h>

#include <ostream>

namespace vintrel {
namespace {

using testing::GameDriver;
using testing::PositionWith;

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

// What a screen reader hears from the shown window: the news told to
// whatever holds its focus, and its description of the turn or the end.
struct Heard {
    QString news;
    QString turn;
    bool operator==(const Heard&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Heard& heard) {
        return out << '"' << heard.news.toStdString() << "\" / \"" << heard.turn.toStdString() << '"';
    }
};

Heard HeardIn(GameDriver& game) {
    BoardWindow& window = game.shown();
    const QWidget* focus = window.focusWidget();
    // News left on another widget would be read out later as if new.
    for (BoardWindow* each : game.views().builtWindows())
        for (const QWidget* widget : each->findChildren<QWidget*>()) {
            if (widget == focus) continue;
            EXPECT_EQ(widget->accessibleDescription(), "") << widget->objectName().toStdString();
        }
    return {focus ? focus->accessibleDescription() : QStringLiteral("<no focus>"), window.accessibleDescription()};
}

TEST(ScreenReader, IsToldEveryMoveCaptureAndRefusalOfBothSidesInBothViews) {
    GameDriver game;
    EXPECT_EQ(game.red().accessibleDescription(), "Red to move");
    game.play("61-43");  // the blue view comes up
    EXPECT_EQ(&game.shown(), &game.blue());
    EXPECT_EQ(HeardIn(game), (Heard{"Red moved 61 to 43", "Blue to move"}));
    game.click(43);
    EXPECT_EQ(HeardIn(game), (Heard{"NOT YOUR TURN", "Blue to move"}));
    game.play("16-34");  // into reach of the man on 43
    EXPECT_EQ(HeardIn(game), (Heard{"Blue moved 16 to 34", "Red to move"}));
    game.play("72-63");
    EXPECT_EQ(HeardIn(game), (Heard{"YOU ARE COMMITTED TO CAPTURE", "Red to move"}));
    game.play("43-34");
    EXPECT_EQ(HeardIn(game), (Heard{"Red moved 43 to 34, captures", "Blue to move"}));
    game.play("6-4 34-14");  // red steps into reach of the man on 4
    game.click(14);
    EXPECT_EQ(HeardIn(game), (Heard{"NOT YOUR TURN", "Blue to move"}));
    game.play("4-14");
    EXPECT_EQ(HeardIn(game), (Heard{"Blue moved 4 to 14, captures", "Red to move"}));
}

TEST(ScreenReader, NamesTheWinnerAtTheEndInEitherView) {
    const Position nearTheEnd = PositionWith({8, 60}, {91, 7});
    for (Side winner : {Side::Red, Side::Blue}) {
        GameDriver game;
        game.arrange(nearTheEnd, winner);
        if (winner == Side::Blue) game.trigger("mnuBlue");
        game.play(winner == Side::Red ? "8-9" : "91-90");
        const bool red = winner == Side::Red;
        EXPECT_EQ(HeardIn(game), (Heard{red ? "Red moved 8 to 9. GAME OVER!!" : "Blue moved 91 to 90. GAME OVER!!",
                                        red ? "GAME OVER!! Red won" : "GAME OVER!! Blue won"}));
    }
}

}  // namespace
}  // namespace vintrel
