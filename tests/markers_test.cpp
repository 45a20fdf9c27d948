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

CellSet LastMoveOf(const Game& game) {
    CellSet cells;
    if (!game.moves().empty()) cells.set(std::size_t(game.moves().back().from)).set(std::size_t(game.moves().back().to));
    return cells;
}

// A new game in the red view, which stays on screen, then `moves` dragged.
void Reach(GameDriver& game, const std::vector<PlayedMove>& moves) {
    game.trigger("mnuReset");
    game.trigger("mnuSwitch");
    for (const PlayedMove& move : moves) game.drag(move.from, move.to);
    ASSERT_EQ(game.gameState().moves(), moves);
}

// Presses the man on `from` and starts to drag him.
void Hold(BoardWindow& window, Cell from) {
    CellBox& man = window.cell(from);
    QTest::mousePress(&man, Qt::LeftButton, {}, man.rect().center());
    QTest::mouseMove(&man, man.rect().center() + QPoint(3, 3));
}

void LetGo(BoardWindow& window, Cell from) {
    QTest::mouseRelease(&window.cell(from), Qt::LeftButton, {}, window.cell(from).rect().center());
}

TEST_F(Markers, LastMoveFollowsPlayTakeBackANewGameAndAnOpenedGameInBothViews) {
    GameDriver game;
    game.blue();
    game.trigger("mnuShowLastMove");
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        Reach(game, {});
        EXPECT_TRUE(Marked(game.red(), &CellMarks::lastMove).none());
        const Game random = RandomGame(seed, 8 + seed);
        for (const PlayedMove& move : random.moves()) {
            game.drag(move.from, move.to);
            for (BoardWindow* window : {&game.red(), &game.blue()})
                ASSERT_EQ(Marked(*window, &CellMarks::lastMove), LastMoveOf(game.gameState())) << seed;
        }
        game.trigger("mnuUnmove");
        EXPECT_EQ(Marked(game.red(), &CellMarks::lastMove), LastMoveOf(game.gameState())) << seed;
    }
    GameDriver opened;
    opened.model().load(game.model().text("Player", "Player"));
    EXPECT_EQ(Marked(opened.shown(), &CellMarks::lastMove), LastMoveOf(game.gameState()));
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
            if (before.position()[from] != ManOf(before.toMove())) continue;
            Hold(red, from);
            const CellSet marked = Marked(red, &CellMarks::target);
            EXPECT_EQ(marked, TargetsOf(before, from)) << "seed " << seed << ", man on " << from;
            LetGo(red, from);
            EXPECT_TRUE(Marked(red, &CellMarks::target).none());
            for (Cell to : RangeOf(before.toMove(), from)) {
                game.drag(from, to);
                const bool stood = game.gameState().moves().size() > moves.size();
                EXPECT_EQ(stood, marked[std::size_t(to)]) << "seed " << seed << ", " << from << " to " << to;
                if (!stood) continue;
                if (game.gameState().isOver())
                    Reach(game, moves);
                else
                    game.trigger("mnuUnmove");
            }
        }
    }
    Reach(game, {});
    game.cursorTo(61);
    game.key(Qt::Key_Space);  // held by the keys
    EXPECT_EQ(Marked(red, &CellMarks::target), TargetsOf(game.gameState(), 61));
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
    Hold(game.blue(), 16);
    EXPECT_TRUE(Marked(game.blue(), &CellMarks::target).none()) << "off, a man held shows no targets";
    LetGo(game.blue(), 16);
    for (const char* item : MarkerItems) game.trigger(item);
    for (const char* item : MarkerItems) EXPECT_TRUE(GameDriver::action(game.red(), item).isChecked()) << item;
    EXPECT_EQ(Marked(game.red(), &CellMarks::lastMove), LastMoveOf(game.gameState())) << "at once in both views";
    Hold(game.blue(), 16);
    EXPECT_NE(looks(), before);
    LetGo(game.blue(), 16);
    game.trigger("mnuRed");
    for (const char* item : MarkerItems) game.trigger(item);
    for (const char* item : MarkerItems) EXPECT_FALSE(GameDriver::action(game.blue(), item).isChecked()) << item;
    EXPECT_TRUE(Marked(game.blue(), &CellMarks::lastMove).none());
    game.trigger("mnuBlue");
    EXPECT_EQ(looks(), before);
}

TEST_F(Markers, AreKeptForTheNextStartAndJunkReadsAsOff) {
    GameDriver().trigger("mnuShowNumbers");
    {
        GameDriver next;
        EXPECT_TRUE(GameDriver::action(next.blue(), "mnuShowNumbers").isChecked());
        EXPECT_FALSE(next.action("mnuShowLastMove").isChecked());
        EXPECT_TRUE(next.red().cell(50).marks().number);
    }
    QSettings settings(QStringLiteral("vintrel"), QStringLiteral("vintrel"));
    for (const char* key : {"markers/lastMove", "markers/targets", "markers/numbers"}) settings.setValue(key, "yes");
    settings.sync();
    GameDriver junk;
    for (const char* item : MarkerItems) EXPECT_FALSE(junk.action(item).isChecked()) << item;
}

TEST_F(Markers, AMarkedCellTellsTheScreenReaderItsMarks) {
    GameDriver game;
    game.trigger("mnuShowLastMove");
    game.trigger("mnuShowTargets");
    game.play("61-43 16-34");  // red must take the man on 34 with the one on 43
    BoardWindow& red = game.shown();
    auto described = [&](Cell cell) {
        return QAccessible::queryAccessibleInterface(&red.cell(cell))->text(QAccessible::Description);
    };
    Hold(red, 43);
    EXPECT_EQ(described(34), "last move, target");
    EXPECT_EQ(described(16), "last move");
    EXPECT_EQ(described(43), "");
    LetGo(red, 43);
    EXPECT_EQ(described(34), "last move");
}

TEST(Arrow, LiesBetweenTheCentresOverTheCellsLetsTheMouseThroughAndGoesAgain) {
    GameDriver game;
    BoardWindow& red = game.red();
    QWidget& board = *red.board();
    auto* arrow = board.findChild<QWidget*>(QStringLiteral("arrow"));
    ASSERT_TRUE(arrow && arrow->isHidden());
    const QImage before = board.grab().toImage();
    red.showArrow(PlayedMove{61, 43, false});
    const QColor drawn = board.grab().toImage().pixelColor(((red.cellCentre(61) + red.cellCentre(43)) / 2).toPoint());
    EXPECT_TRUE(drawn.blue() > 150 && drawn.green() < 100) << drawn.name().toStdString();
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
