// The two views as one game: the hand-over after each move and by menu, the
// commitments that travel with it, taking back, showing the committed man,
// and the commands and panels that are not moves.
#include "game_driver.h"
#include "move.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

namespace vintrel {
namespace {

using testing::Complaints;
using testing::GameDriver;
using testing::PositionWith;

// A commitment record as text, so that a failure says what was recorded.
std::string Record(bool h1Com, Cell h1ComCell, bool h3Com, Cell h3ComCell) {
    std::ostringstream text;
    text << "H1Com " << h1Com << " on " << h1ComCell << ", H3Com " << h3Com << " on " << h3ComCell;
    return text.str();
}
std::string ComOf(const BoardWindow& window) {
    const CommitmentRecord& com = window.game().commitments();
    return Record(com.H1Com, com.H1ComCell, com.H3Com, com.H3ComCell);
}
const std::string NoCommitment = Record(false, NoCell, false, NoCell);
std::string RedCommittedOn(Cell cell) { return Record(true, cell, false, NoCell); }
std::string BlueCommittedOn(Cell cell) { return Record(false, NoCell, true, cell); }

const std::vector<Cell> None;
constexpr const char* MustCapture = "YOU ARE COMMITTED TO CAPTURE";

// The starting position after moves written as "61-43 16-34".
Position After(const std::string& moves) {
    Position position = StartingPosition();
    std::istringstream words(moves);
    std::string move;
    while (words >> move) {
        const auto dash = move.find('-');
        position = AfterMove(position, Cell(std::stoi(move.substr(0, dash))),
                             Cell(std::stoi(move.substr(dash + 1))));
    }
    return position;
}

// Each view draws a man with his home corner's digit: 1 at its bottom.
Picture PictureIn(const BoardWindow& window, Occupant occupant) {
    const bool redView = window.objectName() == "frmVint";
    if (occupant == Occupant::RedMan) return redView ? Picture::Vint1Red : Picture::Vint3Red;
    if (occupant == Occupant::BlueMan) return redView ? Picture::Vint3Blue : Picture::Vint1Blue;
    return Picture::Blank;
}

// Cells whose tag, picture or visibility differ from `position`.
std::vector<Cell> CellsNotShowing(const BoardWindow& window, const Position& position) {
    std::vector<Cell> wrong;
    for (Cell i = 0; i < CellCount; ++i) {
        const CellBox& box = window.cell(i);
        const char* tag = position[i] == Occupant::RedMan ? "H1" : position[i] == Occupant::BlueMan ? "H3" : "";
        if (box.tag() != tag || box.picture() != PictureIn(window, position[i]) || box.isHidden())
            wrong.push_back(i);
    }
    return wrong;
}

std::vector<Cell> HiddenCellsOf(const BoardWindow& window) {
    std::vector<Cell> hidden;
    for (Cell i = 0; i < CellCount; ++i)
        if (window.cell(i).isHidden()) hidden.push_back(i);
    return hidden;
}

constexpr const char* PanelNames[] = {"lblInfo", "lblRules", "lblOVER", "lblabout"};
constexpr const char* ButtonNames[] = {"cmdShowCom", "cmdReset", "cmdHideRules", "cmdokabout(1)"};
constexpr const char* ItemNames[] = {"mnuReset", "mnuUnmove", "mnuExit", "mnuSwitch", "mnuno", "mnuabout", "mnuRules"};

// The panels and buttons on show, labels first, e.g. "lblInfo cmdShowCom".
std::string VisibleItems(BoardWindow& window) {
    QStringList seen;
    for (const char* name : PanelNames)
        if (GameDriver::isShown(GameDriver::label(window, name))) seen << name;
    for (const char* name : ButtonNames)
        if (GameDriver::isShown(GameDriver::button(window, name))) seen << name;
    return seen.join(' ').toStdString();
}

// Everything on the window a player can see or choose, in one comparable list.
std::string WhatAPlayerSees(BoardWindow& window) {
    QStringList seen(QString::fromStdString(VisibleItems(window)));
    for (const char* name : ItemNames) {
        const QAction& item = GameDriver::action(window, name);
        seen << QStringLiteral("%1:%2%3").arg(name).arg(item.isEnabled()).arg(item.isChecked());
    }
    for (Cell i = 0; i < CellCount; ++i)
        seen << window.cell(i).tag() + QString::number(int(*window.cell(i).picture()));
    return seen.join(' ').toStdString();
}

class Views : public ::testing::Test {
protected:
    BoardWindow& red() { return game.red(); }
    BoardWindow& blue() { return game.blue(); }
    QAction& item(BoardWindow& window, const char* name) { return GameDriver::action(window, name); }
    bool shows(BoardWindow& window, const char* buttonName) {
        return GameDriver::isShown(GameDriver::button(window, buttonName));
    }
    Side turn() { return game.views().sharedTurnRecord(); }

    // From here on every move stays in the window in which it is made.
    void switchOff() { game.trigger("mnuSwitch"); }

    void expectAccepted(Cell from, Cell to) {
        const Side mover = turn();
        game.drag(from, to);
        EXPECT_EQ(turn(), Opponent(mover)) << from << "-" << to << " refused: " << game.message().toStdString();
    }

    void expectRefused(Cell from, Cell to, const char* message) {
        const Side mover = turn();
        const Position before = game.shown().position();
        game.drag(from, to);
        EXPECT_EQ(game.message(), message) << from << "-" << to;
        EXPECT_EQ(turn(), mover);
        EXPECT_EQ(game.shown().position(), before);
    }

    void expectHandedOver(BoardWindow& from, BoardWindow& to, const Position& position) {
        ASSERT_EQ(&game.shown(), &to);
        EXPECT_TRUE(from.isHidden());
        EXPECT_EQ(CellsNotShowing(to, position), None);
        EXPECT_EQ(to.game().toMove(), turn());
    }

    // Refused for the obligation, then the button marks the man to capture.
    void expectMarked(Cell refusedFrom, Cell refusedTo, Cell committed, Picture marked) {
        BoardWindow& window = game.shown();
        const QString tag = window.cell(committed).tag();
        expectRefused(refusedFrom, refusedTo, MustCapture);
        ASSERT_TRUE(shows(window, "cmdShowCom"));
        game.clickButton("cmdShowCom");
        EXPECT_EQ(window.cell(committed).picture(), marked);
        EXPECT_EQ(window.cell(committed).tag(), tag);
        EXPECT_FALSE(shows(window, "cmdShowCom"));
        EXPECT_EQ(game.cellsPaintedWrongly(window), Complaints{});
    }

    GameDriver game;
};

using ViewSwitching = Views;
using NobodyGetsStuck = Views;
using TakeBack = Views;
using ShowCommitment = Views;
using NewGame = Views;
using Panels = Views;

// ------------------------------------------------------------ view switching

TEST_F(ViewSwitching, AutomaticSwitchShowsEachMoveInTheOtherViewWithItsCommitment) {
    game.drag(61, 43);
    expectHandedOver(red(), blue(), After("61-43"));
    game.drag(16, 34);  // into the reach of the red man on 43
    expectHandedOver(blue(), red(), After("61-43 16-34"));
    EXPECT_EQ(ComOf(red()), BlueCommittedOn(34));
    expectRefused(72, 63, MustCapture);
    game.drag(43, 34);
    expectHandedOver(red(), blue(), After("61-43 16-34 43-34"));
    EXPECT_EQ(ComOf(blue()), NoCommitment);
    game.drag(17, 26);
    expectHandedOver(blue(), red(), After("61-43 16-34 43-34 17-26"));
    game.drag(34, 25);  // into the reach of the blue men on 7, 26 and 27
    expectHandedOver(red(), blue(), After("61-43 16-34 43-34 17-26 34-25"));
    EXPECT_EQ(ComOf(blue()), RedCommittedOn(25));
    expectRefused(28, 37, MustCapture);
    game.drag(26, 25);
    expectHandedOver(blue(), red(), After("61-43 16-34 43-34 17-26 34-25 26-25"));
    EXPECT_EQ(ComOf(red()), NoCommitment);
}

TEST_F(ViewSwitching, AfterAMoveTheOtherViewOpensWhereTheWindowWasMovedTo) {
    red().move(170, 90);
    game.drag(61, 43);
    expectHandedOver(red(), blue(), After("61-43"));
    EXPECT_EQ(blue().pos(), QPoint(170, 90));
    EXPECT_EQ(game.cellsPaintedWrongly(blue()), Complaints{});
    blue().move(30, 210);
    game.drag(16, 34);
    expectHandedOver(blue(), red(), After("61-43 16-34"));
    EXPECT_EQ(red().pos(), QPoint(30, 210));
    EXPECT_EQ(game.cellsPaintedWrongly(red()), Complaints{});
}

TEST_F(ViewSwitching, SwitchByMenuCarriesTheCommitmentBothWays) {
    switchOff();
    game.play("61-43 16-34");
    game.trigger("mnuBlue");
    expectHandedOver(red(), blue(), After("61-43 16-34"));
    EXPECT_EQ(ComOf(blue()), BlueCommittedOn(34));
    expectRefused(72, 63, MustCapture);
    game.trigger("mnuRed");
    expectHandedOver(blue(), red(), After("61-43 16-34"));
    EXPECT_EQ(ComOf(red()), BlueCommittedOn(34));
    // The view left keeps the committed man marked while it is not on screen.
    ASSERT_EQ(HiddenCellsOf(blue()), std::vector<Cell>{34});
    game.trigger("mnuBlue");
    EXPECT_EQ(ComOf(blue()), BlueCommittedOn(34));
    EXPECT_EQ(HiddenCellsOf(blue()), None);
}

TEST_F(ViewSwitching, TakeBackIsNeverAvailableRightAfterASwitch) {
    game.drag(61, 43);
    EXPECT_FALSE(item(blue(), "mnuUnmove").isEnabled());
    game.drag(16, 34);
    EXPECT_FALSE(item(red(), "mnuUnmove").isEnabled());
    switchOff();
    game.drag(43, 34);
    ASSERT_TRUE(item(red(), "mnuUnmove").isEnabled());
    game.trigger("mnuBlue");
    EXPECT_FALSE(item(blue(), "mnuUnmove").isEnabled());
    game.trigger("mnuRed");
    EXPECT_FALSE(item(red(), "mnuUnmove").isEnabled());
}

TEST_F(ViewSwitching, SwitchAutomaticallyToggledInEitherViewSetsBoth) {
    auto expectBoth = [this](bool checked) {
        EXPECT_EQ(item(red(), "mnuSwitch").isChecked(), checked);
        EXPECT_EQ(item(blue(), "mnuSwitch").isChecked(), checked);
    };
    game.trigger("mnuSwitch");
    expectBoth(false);
    game.trigger("mnuBlue");
    game.trigger("mnuSwitch");
    expectBoth(true);
    game.trigger("mnuSwitch");
    expectBoth(false);
}

TEST_F(ViewSwitching, ActivationRunsOnlyWhenAViewBecomesTheShownOne) {
    switchOff();
    game.play("61-43");
    game.trigger("mnuBlue");
    game.trigger("mnuRed");
    game.play("16-34");  // take back is open in the red view ...
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QCoreApplication::processEvents();
    red().activateWindow();
    QCoreApplication::processEvents();
    // ... and stays open: the desktop's activation is not the view's.
    EXPECT_TRUE(item(red(), "mnuUnmove").isEnabled());
    // Both views draw the one game, the hidden one too.
    EXPECT_EQ(CellsNotShowing(red(), After("61-43 16-34")), None);
    EXPECT_EQ(blue().position(), After("61-43 16-34"));
    game.trigger("mnuBlue");
    EXPECT_FALSE(item(blue(), "mnuUnmove").isEnabled());
}

// ------------------------------------- obligations that must not outlive a move

TEST_F(NobodyGetsStuck, RedCapturingTheCommittedManLeavesBlueFreeToMove) {
    switchOff();
    game.play("61-43 16-34 43-34");
    EXPECT_EQ(ComOf(red()), NoCommitment);
    game.trigger("mnuBlue");
    expectHandedOver(red(), blue(), After("61-43 16-34 43-34"));
    EXPECT_EQ(ComOf(blue()), NoCommitment);
    expectAccepted(17, 26);
}

TEST_F(NobodyGetsStuck, BlueCapturingTheCommittedManLeavesRedFreeToMove) {
    switchOff();
    game.play("61-43 16-5 43-25");
    ASSERT_EQ(ComOf(red()), RedCommittedOn(25));
    game.drag(7, 25);
    EXPECT_EQ(ComOf(red()), NoCommitment);
    game.trigger("mnuBlue");
    expectHandedOver(red(), blue(), After("61-43 16-5 43-25 7-25"));
    EXPECT_EQ(ComOf(blue()), NoCommitment);
    expectAccepted(72, 63);
}

TEST_F(NobodyGetsStuck, ResetLeavesNoCommitmentMarkerInTheBlueView) {
    switchOff();
    game.play("61-43 16-5 43-34 7-16");
    ASSERT_EQ(HiddenCellsOf(blue()), std::vector<Cell>{16});
    game.trigger("mnuReset");
    EXPECT_EQ(HiddenCellsOf(blue()), None);
    game.trigger("mnuBlue");
    expectHandedOver(red(), blue(), StartingPosition());
    EXPECT_EQ(ComOf(blue()), NoCommitment);
    expectAccepted(61, 43);
}

TEST_F(NobodyGetsStuck, TakeBackRestoresTheObligationToCapture) {
    switchOff();
    game.play("61-43 16-34 43-34");
    game.trigger("mnuUnmove");
    EXPECT_EQ(ComOf(red()), BlueCommittedOn(34));
    EXPECT_EQ(HiddenCellsOf(blue()), std::vector<Cell>{34});
    expectRefused(72, 63, MustCapture);
    EXPECT_TRUE(shows(red(), "cmdShowCom"));
    expectAccepted(43, 34);
}

// ------------------------------------------------------------------ take back

TEST_F(TakeBack, OfACaptureReturnsTheCapturedMan) {
    switchOff();
    game.play("61-43 16-34 43-34");
    game.trigger("mnuUnmove");
    EXPECT_EQ(CellsNotShowing(red(), After("61-43 16-34")), None);
    EXPECT_EQ(red().cell(34).tag(), "H3");
    EXPECT_EQ(red().cell(34).picture(), Picture::Vint3Blue);
    EXPECT_EQ(red().game().toMove(), Side::Red);
    EXPECT_EQ(turn(), Side::Red);
    EXPECT_FALSE(item(red(), "mnuUnmove").isEnabled());
}

TEST_F(TakeBack, OfAPlainMoveEmptiesTheTargetAndGoesBackOneMoveOnly) {
    switchOff();
    game.play("61-43 16-34");
    game.trigger("mnuUnmove");
    EXPECT_EQ(CellsNotShowing(red(), After("61-43")), None);
    EXPECT_EQ(red().game().toMove(), Side::Blue);
    EXPECT_EQ(turn(), Side::Blue);
    // The blue man on 34 is gone, and with him his commitment.
    EXPECT_EQ(ComOf(red()), NoCommitment);
    EXPECT_EQ(HiddenCellsOf(blue()), None);
    // Only one move goes back: the item stays off until the next move.
    EXPECT_FALSE(item(red(), "mnuUnmove").isEnabled());
}

// ------------------------------------------------------------ show commitment

TEST_F(ShowCommitment, InTheRedViewMarksTheBlueManForRed) {
    switchOff();
    game.play("61-43 16-34");
    expectMarked(72, 63, 34, Picture::Vint3BlueCom);
    game.drag(43, 34);
    EXPECT_EQ(red().cell(34).picture(), Picture::Vint1Red);
}

TEST_F(ShowCommitment, InTheRedViewMarksTheRedManForBlue) {
    switchOff();
    game.play("61-43 16-5 43-25");
    expectMarked(17, 26, 25, Picture::Vint1RedCom);
}

TEST_F(ShowCommitment, InTheBlueViewMarksTheRedManForBlue) {
    game.play("61-43 16-5 43-25");
    ASSERT_EQ(&game.shown(), &blue());
    expectMarked(17, 26, 25, Picture::Vint3RedCom);
}

TEST_F(ShowCommitment, InTheBlueViewMarksTheBlueManForRed) {
    game.play("61-43 16-34");
    game.trigger("mnuBlue");
    ASSERT_EQ(&game.shown(), &blue());
    expectMarked(72, 63, 34, Picture::Vint1BlueCom);
}

TEST_F(ShowCommitment, AnyPressOnACellHidesTheButton) {
    switchOff();
    game.play("61-43 16-34");
    for (Cell pressed : {Cell(50), Cell(9), Cell(72)}) {  // empty, blue man, red man
        expectRefused(72, 63, MustCapture);
        ASSERT_TRUE(shows(red(), "cmdShowCom"));
        game.click(pressed);
        EXPECT_FALSE(shows(red(), "cmdShowCom")) << pressed;
    }
}

TEST_F(ShowCommitment, WithNothingRecordedChangesNothing) {
    // No player can reach this: any move or switch that clears the record
    // hides the button first.
    GameDriver::button(red(), "cmdShowCom").show();
    const std::string before = WhatAPlayerSees(red());
    game.clickButton("cmdShowCom");
    EXPECT_EQ(WhatAPlayerSees(red()), before);
}

// ------------------------------------------------------------ new games

TEST_F(NewGame, ResetInTheRedViewStartsANewGameAtOnce) {
    switchOff();
    game.play("61-43 16-34");
    game.trigger("mnuReset");
    expectHandedOver(blue(), red(), StartingPosition());
    EXPECT_EQ(turn(), Side::Red);
    EXPECT_FALSE(item(red(), "mnuUnmove").isEnabled());
    EXPECT_TRUE(item(red(), "mnuSwitch").isChecked());
    EXPECT_FALSE(item(blue(), "mnuSwitch").isChecked());
    game.drag(61, 43);
    expectHandedOver(red(), blue(), After("61-43"));
    EXPECT_EQ(game.cellsPaintedWrongly(blue()), Complaints{});
    EXPECT_EQ(game.cellsPaintedWrongly(red()), Complaints{});
}

TEST_F(NewGame, ResetInTheBlueViewEndsInAFreshRedView) {
    game.trigger("mnuabout");
    switchOff();
    game.play("61-43 16-34");
    game.trigger("mnuBlue");
    game.trigger("mnuRules");
    game.trigger("mnuabout");
    game.play("43-34");
    game.trigger("mnuReset");
    expectHandedOver(blue(), red(), StartingPosition());
    EXPECT_EQ(CellsNotShowing(blue(), StartingPosition()), None);
    EXPECT_EQ(turn(), Side::Red);
    for (BoardWindow* window : {&red(), &blue()}) {
        EXPECT_EQ(ComOf(*window), NoCommitment);
        EXPECT_TRUE(item(*window, "mnuSwitch").isChecked());
        EXPECT_FALSE(item(*window, "mnuUnmove").isEnabled());
        EXPECT_EQ(VisibleItems(*window), "");
    }
    game.drag(61, 43);
    expectHandedOver(red(), blue(), After("61-43"));
    EXPECT_EQ(game.cellsPaintedWrongly(blue()), Complaints{});
    EXPECT_EQ(game.cellsPaintedWrongly(red()), Complaints{});
}

TEST_F(NewGame, ResetButtonAfterAWinInEitherViewStartsAFreshGameInTheRedView) {
    for (const bool inBlueView : {false, true}) {
        GameDriver fresh;
        if (inBlueView) fresh.trigger("mnuBlue");
        fresh.arrange(PositionWith({18}, {81}), inBlueView ? Side::Blue : Side::Red);
        BoardWindow& window = fresh.shown();
        fresh.drag(inBlueView ? 81 : 18, inBlueView ? 90 : 9);  // onto the far corner
        ASSERT_TRUE(GameDriver::isShown(GameDriver::button(window, "cmdReset"))) << inBlueView;
        EXPECT_FALSE(window.cell(50).isEnabled());
        fresh.clickButton("cmdReset");
        ASSERT_EQ(&fresh.shown(), &fresh.red()) << inBlueView;
        EXPECT_EQ(CellsNotShowing(fresh.red(), StartingPosition()), None);
        for (BoardWindow* view : {&fresh.red(), &fresh.blue()}) {
            EXPECT_TRUE(GameDriver::label(*view, "lblOVER").isHidden());
            EXPECT_TRUE(view->cell(50).isEnabled());
            EXPECT_TRUE(GameDriver::action(*view, "mnuSwitch").isEnabled());
        }
    }
}

// ------------------------------------------------------------ panels and end

TEST_F(Panels, RulesAndAboutOpenTogetherAndCloseSeparately) {
    switchOff();
    game.play("61-43 16-34");
    expectRefused(72, 63, MustCapture);
    ASSERT_EQ(VisibleItems(red()), "lblInfo cmdShowCom");
    game.trigger("mnuRules");
    EXPECT_EQ(VisibleItems(red()), "lblRules cmdHideRules");
    game.trigger("mnuabout");
    EXPECT_EQ(VisibleItems(red()), "lblRules lblabout cmdHideRules cmdokabout(1)");
    game.clickButton("cmdHideRules");
    EXPECT_EQ(VisibleItems(red()), "lblabout cmdokabout(1)");
    game.clickButton("cmdokabout(1)");
    EXPECT_EQ(VisibleItems(red()), "");
    EXPECT_EQ(red().position(), After("61-43 16-34"));
    EXPECT_EQ(ComOf(red()), BlueCommittedOn(34));
    EXPECT_EQ(turn(), Side::Red);
}

TEST_F(Panels, NoHelpDoesNothingInEitherView) {
    switchOff();
    game.play("61-43 16-34");
    for (const bool inBlueView : {false, true}) {
        if (inBlueView) game.trigger("mnuBlue");
        BoardWindow& window = game.shown();
        const std::string before = WhatAPlayerSees(window);
        const std::string com = ComOf(window);
        game.trigger("mnuno");
        EXPECT_EQ(WhatAPlayerSees(window), before) << window.objectName().toStdString();
        EXPECT_EQ(ComOf(window), com);
        EXPECT_EQ(&game.shown(), &window);
    }
}

TEST(ProgramEnd, ExitOrClosingEitherWindowEndsTheProgramOnce) {
    using End = std::function<void(GameDriver&)>;
    const End toBlue = [](GameDriver& game) { game.trigger("mnuBlue"); };
    const std::vector<std::pair<const char*, End>> ways = {
        {"exit in the red view", [](GameDriver& game) { game.trigger("mnuExit"); }},
        {"exit in the blue view", [&](GameDriver& game) { toBlue(game); game.trigger("mnuExit"); }},
        {"close the shown red view", [](GameDriver& game) { game.red().close(); }},
        {"close the hidden blue view", [](GameDriver& game) { game.blue().close(); }},
        {"close the shown blue view", [&](GameDriver& game) { toBlue(game); game.blue().close(); }},
        {"close the hidden red view", [&](GameDriver& game) { toBlue(game); game.red().close(); }},
    };
    for (const auto& [way, end] : ways) {
        GameDriver game;
        QSignalSpy ended(&game.views(), &ViewPair::programEnded);
        end(game);
        EXPECT_EQ(ended.count(), 1) << way;
        EXPECT_TRUE(game.red().isHidden() && game.blue().isHidden()) << way;
        EXPECT_EQ(game.views().shown(), nullptr) << way;
    }
}

}  // namespace
}  // namespace vintrel
