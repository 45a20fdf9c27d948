// The marks a player may choose in the View menu: the last move, the
// diamonds a held man may be dropped on, the cells' numbers; and the arrow
// the analysis draws over the board.
#include "game_driver.h"
#include "markers.h"
#include "targets.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace vintrel {
namespace {

using testing::GameDriver;
using testing::RandomGame;

constexpr const char* MarkerItems[] = {"mnuShowLastMove", "mnuShowTargets", "mnuShowNumbers"};

class Markers : public ::testing::Test {
protected:
    void SetUp() override { QSettings(QStringLiteral("vintrel"), QStringLiteral("vintrel")).clear(); }
};

CellSet Marked(BoardWindow& window, bool CellMarks::*mark) {
    CellSet marked;
    for (Cell i = 0; i < CellCount; ++i) marked[std::size_t(i)] = window.cell(i).marks().*mark;
    return marked;
}

CellSet CellsOf(const std::vector<PlayedMove>& moves) {
    CellSet cells;
    if (!moves.empty()) cells.set(std::size_t(moves.back().from)).set(std::size_t(moves.back().to));
    return cells;
}

// A new game in the red view, which stays on screen, then `moves` dragged
// there.
void Reach(GameDriver& game, const std::vector<PlayedMove>& moves) {
    game.trigger("mnuReset");
    game.trigger("mnuSwitch");
    for (const PlayedMove& move : moves) game.drag(move.from, move.to);
    ASSERT_EQ(game.gameState().moves(), moves);
}

QString Described(CellBox& cell) {
    return QAccessible::queryAccessibleInterface(&cell)->text(QAccessible::Description);
}

TEST_F(Markers, LastMoveFollowsPlayTakeBackANewGameAndAnOpenedGameInBothViews) {
    GameDriver game;
    game.blue();
    game.trigger("mnuShowLastMove");
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        const Game random = RandomGame(seed, 8 + seed);
        Reach(game, {});
        EXPECT_TRUE(Marked(game.red(), &CellMarks::lastMove).none()) << "a new game has no last move";
        for (const PlayedMove& move : random.moves()) {
            game.drag(move.from, move.to);
            for (BoardWindow* window : {&game.red(), &game.blue()})
                ASSERT_EQ(Marked(*window, &CellMarks::lastMove), CellsOf(game.gameState().moves())) << seed;
        }
        if (game.gameState().isOver()) continue;
        game.trigger("mnuUnmove");
        EXPECT_EQ(Marked(game.red(), &CellMarks::lastMove), CellsOf(game.gameState().moves())) << seed;
    }
    GameDriver opened;
    opened.model().load(game.model().text("Player", "Player"));
    EXPECT_EQ(Marked(opened.shown(), &CellMarks::lastMove), CellsOf(game.gameState().moves()));
}

TEST_F(Markers, TargetsAreWhereARealDropStandsAndGoWhenTheManIsLetGo) {
    GameDriver game;
    game.trigger("mnuShowTargets");
    BoardWindow& red = game.red();
    for (std::uint64_t seed = 4; seed <= 5; ++seed) {
        const std::vector<PlayedMove> moves = RandomGame(seed, 10).moves();
        Reach(game, moves);
        const Game before = game.gameState();
        for (Cell from = 0; from < CellCount; ++from) {
            if (before.isOver() || before.position()[from] != ManOf(before.toMove())) continue;
            CellBox& man = red.cell(from);
            QTest::mousePress(&man, Qt::LeftButton, {}, man.rect().center());
            QTest::mouseMove(&man, man.rect().center() + QPoint(3, 3));
            const CellSet marked = Marked(red, &CellMarks::target);
            EXPECT_EQ(marked, TargetsOf(before, from)) << "seed " << seed << ", man on " << from;
            QTest::mouseRelease(&man, Qt::LeftButton, {}, man.rect().center());
            EXPECT_TRUE(Marked(red, &CellMarks::target).none()) << "dropped back";
            for (Cell to : RangeOf(before.toMove(), from)) {
                game.drag(from, to);
                EXPECT_EQ(game.gameState().moves().size(), moves.size() + marked[std::size_t(to)])
                    << "seed " << seed << ", " << from << " to " << to << (marked[std::size_t(to)] ? ", marked" : "");
                if (game.gameState().moves().size() == moves.size()) continue;
                if (game.gameState().isOver())
                    Reach(game, moves);
                else
                    game.trigger("mnuUnmove");
            }
        }
    }
    // Held by the keys, the same; put back, none.
    Reach(game, {});
    game.cursorTo(61);
    game.key(Qt::Key_Space);
    EXPECT_EQ(Marked(red, &CellMarks::target), TargetsOf(game.gameState(), 61));
    EXPECT_TRUE(Marked(red, &CellMarks::target).any());
    game.key(Qt::Key_Escape);
    EXPECT_TRUE(Marked(red, &CellMarks::target).none());
}

TEST_F(Markers, TurnedOnAndOffAgainInEitherViewPaintBothViewsAsBefore) {
    GameDriver game;
    game.play("61-43");  // the blue view comes up, with a last move
    auto looks = [&] {
        return std::pair(game.red().centralWidget()->grab().toImage(), game.blue().centralWidget()->grab().toImage());
    };
    const auto before = looks();
    for (const char* item : MarkerItems) game.trigger(item);
    for (const char* item : MarkerItems)
        EXPECT_TRUE(GameDriver::action(game.red(), item).isChecked()) << item << " in step in the other view";
    CellBox& man = game.blue().cell(16);
    QTest::mousePress(&man, Qt::LeftButton, {}, man.rect().center());
    QTest::mouseMove(&man, man.rect().center() + QPoint(3, 3));
    EXPECT_NE(looks(), before);
    QTest::mouseRelease(&man, Qt::LeftButton, {}, man.rect().center());
    game.trigger("mnuRed");
    for (const char* item : MarkerItems) game.trigger(item);
    for (const char* item : MarkerItems) EXPECT_FALSE(GameDriver::action(game.blue(), item).isChecked()) << item;
    game.trigger("mnuBlue");
    EXPECT_EQ(looks(), before);
}

TEST_F(Markers, AreKeptForTheNextStartAndJunkReadsAsOff) {
    {
        GameDriver game;
        game.trigger("mnuShowNumbers");
        game.trigger("mnuShowLastMove");
    }
    {
        GameDriver next;
        EXPECT_TRUE(next.action("mnuShowNumbers").isChecked());
        EXPECT_TRUE(next.action("mnuShowLastMove").isChecked());
        EXPECT_FALSE(next.action("mnuShowTargets").isChecked());
        EXPECT_TRUE(next.red().cell(50).marks().number);
        EXPECT_TRUE(GameDriver::action(next.blue(), "mnuShowNumbers").isChecked());
    }
    {
        QSettings settings(QStringLiteral("vintrel"), QStringLiteral("vintrel"));
        settings.setValue("markers/lastMove", "yes");
        settings.setValue("markers/targets", 1);
        settings.setValue("markers/numbers", "on ");
    }
    GameDriver junk;
    for (const char* item : MarkerItems) EXPECT_FALSE(junk.action(item).isChecked()) << item;
    EXPECT_EQ(junk.red().cell(50).marks(), CellMarks{});
}

TEST_F(Markers, AMarkedCellTellsTheScreenReaderItsMarks) {
    GameDriver game;
    game.trigger("mnuShowLastMove");
    game.trigger("mnuShowTargets");
    game.play("61-43 16-34");  // red must take the man on 34 with the one on 43
    BoardWindow& red = game.shown();
    CellBox& man = red.cell(43);
    QTest::mousePress(&man, Qt::LeftButton, {}, man.rect().center());
    QTest::mouseMove(&man, man.rect().center() + QPoint(3, 3));
    EXPECT_EQ(Described(red.cell(34)), "last move, target");
    EXPECT_EQ(Described(red.cell(16)), "last move");
    EXPECT_EQ(Described(red.cell(43)), "");
    QTest::mouseRelease(&man, Qt::LeftButton, {}, man.rect().center());
    EXPECT_EQ(Described(red.cell(34)), "last move");
}

TEST(Arrow, LiesBetweenTheCentresOverTheCellsLetsTheMouseThroughAndGoesAgain) {
    GameDriver game;
    BoardWindow& red = game.red();
    QWidget& board = *red.board();
    auto* arrow = board.findChild<QWidget*>(QStringLiteral("arrow"));
    ASSERT_TRUE(arrow);
    EXPECT_TRUE(arrow->isHidden());
    const QImage before = board.grab().toImage();
    red.showArrow(PlayedMove{61, 43, false});
    const QPointF middle = (red.cellCentre(61) + red.cellCentre(43)) / 2;
    const QColor drawn = board.grab().toImage().pixelColor(middle.toPoint());
    EXPECT_GT(drawn.blue(), 150);
    EXPECT_LT(drawn.green(), 100);
    const QObjectList stack = board.children();
    EXPECT_GT(stack.indexOf(arrow), stack.indexOf(&red.cell(61)));
    EXPECT_LT(stack.indexOf(arrow), stack.indexOf(&GameDriver::button(red, "cmdReset")));
    game.trigger("mnuSwitch");
    game.drag(61, 43);
    EXPECT_EQ(game.gameState().moves().size(), 1u) << "a drop under the arrow lands";
    red.showArrow(std::nullopt);
    game.trigger("mnuUnmove");
    EXPECT_EQ(board.grab().toImage(), before);
}

}  // namespace
}  // namespace vintrel
