// Play by keys alone: a short game through both views with a refusal, a
// forced capture, a capture and a win; the arrow keys over every diamond of
// either view; a pick-up taken back with Escape; the ring that only keys
// bring up; and the buttons reached by Tab.
#include "game_driver.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace vintrel {
namespace {

using testing::GameDriver;
using testing::PositionWith;

QString SpokenName(QWidget& widget) {
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
}

QWidget& Ring(BoardWindow& window) {
    return *window.board()->findChild<QWidget*>(QStringLiteral("cursorRing"));
}

bool RingAround(BoardWindow& window, Cell cell) {
    QWidget& ring = Ring(window);
    return !ring.isHidden() && QRectF(ring.geometry()).center() == window.cellCentre(cell);
}

TEST(KeyboardGame, RefusalForcedCaptureCaptureAndWinByKeysAlone) {
    GameDriver game;
    game.playByKeys("61-43");
    ASSERT_EQ(&game.shown(), &game.blue());
    EXPECT_EQ(game.cursor(), 43) << "the view that came up goes on where the move ended";
    EXPECT_TRUE(RingAround(game.blue(), 43));

    game.key(Qt::Key_Space);  // red's man, with blue to move
    EXPECT_EQ(game.message(), "NOT YOUR TURN");
    EXPECT_EQ(game.shown().heldFrom(), NoCell);

    game.playByKeys("16-34");  // into the reach of red's man on 43
    ASSERT_EQ(&game.shown(), &game.red());
    game.playByKeys("60-50");
    EXPECT_EQ(game.message(), "YOU ARE COMMITTED TO CAPTURE");
    EXPECT_EQ(game.red().cell(60).occupant(), Occupant::RedMan);
    game.key(Qt::Key_Tab);
    EXPECT_EQ(game.shown().focusWidget(), &GameDriver::button(game.red(), "cmdShowCom"));
    game.key(Qt::Key_Space);
    EXPECT_EQ(game.red().cell(34).picture(), Picture::Vint3BlueCom);
    EXPECT_EQ(game.cursor(), 50) << "the focus back on the board when the button went";

    game.playByKeys("43-34");
    ASSERT_EQ(&game.shown(), &game.blue());
    EXPECT_EQ(game.blue().cell(34).occupant(), Occupant::RedMan);
    EXPECT_EQ(game.blue().cell(43).occupant(), Occupant::Empty);

    // Red a step from blue's corner, played in the blue view.
    game.arrange(PositionWith({27, 81}, {39}), Side::Red);
    game.playByKeys("27-9");
    EXPECT_TRUE(GameDriver::isShown(GameDriver::label(game.blue(), "lblOVER")));
    QPushButton& reset = GameDriver::button(game.blue(), "cmdReset");
    EXPECT_EQ(game.shown().focusWidget(), &reset) << "the board is dead; RESET takes the keys";
    game.key(Qt::Key_Space);
    EXPECT_EQ(&game.shown(), &game.red());
    EXPECT_EQ(GameDriver::positionOf(game.red()), StartingPosition());
}

// A player's sweep: to the top, then each row across the screen from end
// to end, one row down at a time.
std::vector<Qt::Key> Sweep() {
    std::vector<Qt::Key> keys(20, Qt::Key_Up);
    for (int row = 0; row < 20; ++row) {
        keys.insert(keys.end(), 10, Qt::Key_Left);
        keys.insert(keys.end(), 10, Qt::Key_Right);
        keys.push_back(Qt::Key_Down);
    }
    return keys;
}

// Each arrow moves the cursor the way it points on the screen, never back.
bool PointsItsWay(Qt::Key key, QPointF before, QPointF after) {
    const QPointF way = after - before;
    switch (key) {
        case Qt::Key_Up: return way.y() < 0;
        case Qt::Key_Down: return way.y() > 0;
        case Qt::Key_Left: return way.x() < 0 && way.y() == 0;
        default: return way.x() > 0 && way.y() == 0;
    }
}

void ExpectSweepReachesEveryDiamond(GameDriver& game) {
    BoardWindow& window = game.shown();
    std::set<Cell> reached{game.cursor()};
    for (Qt::Key key : Sweep()) {
        const Cell before = game.cursor();
        game.key(key);
        const Cell after = game.cursor();
        if (after == before) continue;
        EXPECT_TRUE(PointsItsWay(key, window.cellCentre(before), window.cellCentre(after)))
            << window.objectName().toStdString() << ": key " << key << " led from " << before << " to "
            << after;
        reached.insert(after);
    }
    EXPECT_EQ(reached.size(), std::size_t(CellCount)) << window.objectName().toStdString();
}

TEST(KeyboardCursor, ArrowsReachEveryDiamondTheWayTheyPointInBothViews) {
    GameDriver game;
    ExpectSweepReachesEveryDiamond(game);
    game.trigger("mnuBlue");
    ASSERT_EQ(&game.shown(), &game.blue());
    ExpectSweepReachesEveryDiamond(game);
}

TEST(KeyboardCursor, EscapePutsAPickedUpManBack) {
    GameDriver game;
    BoardWindow& red = game.red();
    game.cursorTo(61);
    game.key(Qt::Key_Space);
    ASSERT_EQ(red.heldFrom(), 61);
    EXPECT_EQ(SpokenName(red.cell(61)), "cell 61, red man, held");
    game.cursorTo(43);
    auto* copy = red.board()->findChild<QLabel*>(QStringLiteral("dragImage"));
    EXPECT_LE((QRectF(copy->geometry()).center() - red.cellCentre(43)).manhattanLength(), 1)
        << "the copy of the man follows the cursor";

    game.key(Qt::Key_Escape);
    EXPECT_EQ(red.heldFrom(), NoCell);
    EXPECT_TRUE(copy->isHidden());
    EXPECT_EQ(SpokenName(red.cell(61)), "cell 61, red man");
    EXPECT_EQ(GameDriver::positionOf(red), StartingPosition());
    EXPECT_EQ(game.message(), "");
    game.key(Qt::Key_Space);  // on the empty diamond: nothing to drop
    EXPECT_EQ(GameDriver::positionOf(red), StartingPosition());
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Red);
}

TEST(KeyboardCursor, LeavesAManHeldByAnotherHandToThatHand) {
    GameDriver game;
    BoardWindow& red = game.red();
    game.cursorTo(61);
    ASSERT_TRUE(red.lift(61));  // as the computer lifts the man it moves
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return}) game.key(key);
    EXPECT_EQ(red.heldFrom(), 61);
    EXPECT_EQ(GameDriver::positionOf(red), StartingPosition());
    red.dropHeldOn(43);
    EXPECT_EQ(game.blue().cell(43).occupant(), Occupant::RedMan);
}

TEST(KeyboardCursor, RingOnlyAfterAKeyAndGoneAtTheNextMousePress) {
    GameDriver game;
    EXPECT_TRUE(Ring(game.red()).isHidden());
    game.key(Qt::Key_Up);
    EXPECT_TRUE(RingAround(game.red(), game.cursor()));
    QTest::mousePress(&game.red().cell(45), Qt::LeftButton);
    EXPECT_TRUE(Ring(game.red()).isHidden());
    QTest::mouseRelease(&game.red().cell(45), Qt::LeftButton);

    game.drag(61, 43);  // by mouse: the blue view comes up without a ring
    ASSERT_EQ(&game.shown(), &game.blue());
    EXPECT_TRUE(Ring(game.blue()).isHidden());
    EXPECT_EQ(game.cursor(), 43);
}

TEST(KeyboardButtons, TabReachesAShownButtonAndSpacePressesIt) {
    GameDriver game;
    BoardWindow& red = game.red();
    game.trigger("mnuRules");
    game.trigger("mnuabout");
    game.key(Qt::Key_Tab);
    EXPECT_EQ(red.focusWidget(), &GameDriver::button(red, "cmdHideRules"));
    game.key(Qt::Key_Space);  // the focus goes on to the next button shown
    EXPECT_TRUE(GameDriver::label(red, "lblRules").isHidden());
    EXPECT_EQ(red.focusWidget(), &GameDriver::button(red, "cmdokabout(1)"));
    game.key(Qt::Key_Space);
    EXPECT_TRUE(GameDriver::label(red, "lblabout").isHidden());
    EXPECT_NE(game.cursor(), NoCell) << "the focus back on the board";
}

}  // namespace
}  // namespace vintrel
