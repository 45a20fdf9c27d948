// One player against the computer: a whole game through the drop path, the
// take back of a reply with the move it answered, searches cancelled with
// no late move, hints, and the Players menu shared by both views. The
// computer against itself, watched.
#include "computer_player.h"
#include "game_driver.h"

#include "commitment.h"

#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace vintrel {
namespace {

using testing::GameDriver;

// A game against the computer, whose men glide briskly.
struct Versus {
    explicit Versus(const char* level = "mnuEasy", const char* players = "mnuComputerBlue") {
        computer.setGlideDuration(5);
        game.trigger(level);
        game.trigger(players);
    }
    // The computer's next move, once it has landed.
    std::optional<std::pair<Cell, Cell>> reply() {
        QSignalSpy played(&computer, &ComputerPlayer::played);
        if (!played.wait(60'000)) return std::nullopt;
        return std::pair(played[0][0].value<Cell>(), played[0][1].value<Cell>());
    }

    GameDriver game{ProgramOptions{.seed = 7}};
    ComputerPlayer& computer = game.computer();
};

bool IsOver(BoardWindow& window) { return !window.cell(0).isEnabled(); }

class Computer : public ::testing::Test {
protected:
    void SetUp() override { QSettings(QStringLiteral("vintrel"), QStringLiteral("vintrel")).clear(); }
};

TEST_F(Computer, PlaysAWholeGameAtEasyThroughTheDropPathInThePlayersView) {
    Versus match;
    BoardWindow& red = match.game.red();
    std::mt19937 random(5);
    while (!IsOver(red)) {
        ASSERT_EQ(&match.game.shown(), &red) << "the player's view did not stay";
        const std::vector<Move> moves = StandingMoves(red.position(), Side::Red, red.game().commitments());
        const Move mine = moves[random() % moves.size()];
        match.game.drag(mine.from, mine.to);
        if (IsOver(red)) break;
        const Position before = red.position();
        const CommitmentRecord com = red.game().commitments();
        const auto reply = match.reply();
        ASSERT_TRUE(reply) << "the computer did not answer";
        const auto [from, to] = *reply;
        EXPECT_TRUE(Stands(DecideDrop(before, Side::Blue, com, from, to).outcome)) << from << "-" << to;
        ASSERT_EQ(red.position(), AfterMove(before, from, to));
        EXPECT_EQ(&match.game.shown(), &red);
    }
    EXPECT_TRUE(GameDriver::isShown(GameDriver::label(red, "lblOVER")));
    EXPECT_FALSE(match.computer.isBusy());
}

TEST_F(Computer, TakeBackTakesTheReplyAndTheMoveBeforeIt) {
    Versus match;
    BoardWindow& red = match.game.red();
    match.game.drag(61, 43);
    ASSERT_TRUE(match.reply());
    const Position before = red.position();
    const CommitmentRecord com = red.game().commitments();
    const CellSet markers = match.game.blue().hiddenCells();
    const Move mine = StandingMoves(before, Side::Red, com).front();
    match.game.drag(mine.from, mine.to);
    ASSERT_TRUE(match.reply());
    match.game.trigger("mnuUnmove");
    EXPECT_EQ(red.position(), before);
    EXPECT_EQ(match.game.views().sharedTurnRecord(), Side::Red);
    EXPECT_EQ(red.game().commitments(), com);
    EXPECT_EQ(match.game.blue().hiddenCells(), markers);
    EXPECT_FALSE(GameDriver::action(red, "mnuUnmove").isEnabled());
    QCoreApplication::processEvents();
    EXPECT_FALSE(match.computer.isBusy()) << "the computer thinks on the player's turn";
}

// Choosing `item` while the computer thinks: its answer never lands.
void CancelMidThought(const char* item, Position expected) {
    Versus match("mnuHard");
    QSignalSpy played(&match.computer, &ComputerPlayer::played);
    match.game.drag(61, 43);
    QTRY_VERIFY(match.computer.isBusy());
    match.game.trigger(item);
    QTRY_VERIFY_WITH_TIMEOUT(!match.computer.hasThreads(), 10'000);
    QCoreApplication::processEvents();
    // A late answer would have set its man gliding by now.
    EXPECT_FALSE(match.computer.isBusy()) << item;
    EXPECT_EQ(played.count(), 0) << item;
    if (match.game.views().shown()) {
        EXPECT_EQ(match.game.shown().position(), expected) << item;
    }
}

TEST_F(Computer, ResetTakeBackAndExitCancelAThoughtWithNoLateMove) {
    CancelMidThought("mnuReset", StartingPosition());
    CancelMidThought("mnuUnmove", StartingPosition());
    CancelMidThought("mnuExit", {});
}

TEST_F(Computer, ASearchOvertakenByAnotherNeverAnswers) {
    Thinker thinker;
    QSignalSpy answered(&thinker, &Thinker::answered);
    const engine::GameState redToMove = engine::GameState::Start();
    const engine::GameState blueToMove = redToMove.after({61, 43});
    thinker.think(redToMove, engine::LevelOf(engine::Strength::Easy, 1));
    thinker.think(blueToMove, engine::LevelOf(engine::Strength::Easy, 1));
    QTRY_VERIFY(!thinker.hasThreads());
    QCoreApplication::processEvents();
    ASSERT_EQ(answered.count(), 1);
    EXPECT_TRUE(blueToMove.menOf(Side::Blue).has(answered[0][0].value<engine::Move>().from));
}

TEST_F(Computer, ThinksAgainAtOnceAfterAChangeOfLevel) {
    Versus match("mnuHard");
    match.game.drag(61, 43);
    QTRY_VERIFY(match.computer.isBusy());
    match.game.trigger("mnuEasy");
    QCoreApplication::processEvents();
    EXPECT_TRUE(match.computer.isBusy());
    EXPECT_TRUE(match.reply());
}

TEST_F(Computer, PlaysRedFirstInTheBlueViewAfterEveryReset) {
    Versus match("mnuEasy", "mnuComputerRed");
    ASSERT_TRUE(match.reply());
    EXPECT_EQ(&match.game.shown(), &match.game.blue());
    match.game.trigger("mnuReset");
    ASSERT_TRUE(match.reply());
    EXPECT_EQ(&match.game.shown(), &match.game.blue());
    EXPECT_EQ(match.game.views().sharedTurnRecord(), Side::Blue);
}

TEST_F(Computer, HintGlidesThereAndBackChangingNothing) {
    GameDriver game({.seed = 3});
    ComputerPlayer& computer = game.computer();
    computer.setGlideDuration(5);
    game.click(9);  // "NOT YOUR TURN" stays up through the hint
    const Position before = game.red().position();
    QSignalSpy hinted(&computer, &ComputerPlayer::hinted);
    game.trigger("mnuHint");
    ASSERT_TRUE(hinted.wait(20'000));
    const Cell from = hinted[0][0].value<Cell>(), to = hinted[0][1].value<Cell>();
    EXPECT_TRUE(Stands(DecideDrop(before, Side::Red, game.red().game().commitments(), from, to).outcome));
    EXPECT_EQ(game.red().position(), before);
    EXPECT_FALSE(game.red().isDragging());
    EXPECT_EQ(game.message(), "NOT YOUR TURN");
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Red);
}

QString MnemonicOf(const QString& text) { return text.mid(text.indexOf('&') + 1, 1).toUpper(); }

TEST_F(Computer, PlayersMenuIsSharedRememberedAndSuspendsTheSwitch) {
    {
        GameDriver game({.seed = 1});
        QStringList bar, items;
        for (QAction* entry : game.red().menuBar()->actions()) bar << MnemonicOf(entry->text());
        EXPECT_EQ(bar, QStringList({"O", "V", "H", "U", "P"}));
        for (QAction* item : game.red().findChild<QMenu*>("mnuPlayers")->actions())
            if (!item->isSeparator()) items << MnemonicOf(item->text());
        EXPECT_EQ(items.removeDuplicates(), 0) << items.join(' ').toStdString();
        EXPECT_TRUE(GameDriver::action(game.blue(), "mnuTwoPlayers").isChecked());
        EXPECT_TRUE(GameDriver::action(game.blue(), "mnuMedium").isChecked());
        game.trigger("mnuHard");
        game.trigger("mnuComputerBlue");
        QAction& blueSwitch = GameDriver::action(game.blue(), "mnuSwitch");
        EXPECT_FALSE(blueSwitch.isChecked() || blueSwitch.isEnabled());
        EXPECT_TRUE(GameDriver::action(game.blue(), "mnuComputerBlue").isChecked());
        game.trigger("mnuTwoPlayers");
        EXPECT_TRUE(blueSwitch.isChecked() && blueSwitch.isEnabled());
        game.trigger("mnuComputerRed");
    }
    GameDriver game({.seed = 1});
    EXPECT_TRUE(GameDriver::action(game.red(), "mnuComputerRed").isChecked());
    EXPECT_TRUE(GameDriver::action(game.red(), "mnuHard").isChecked());
}

// Every choice of players and level, made in the blue view built late,
// shows in both views and comes back in a new run on the same settings.
TEST_F(Computer, EveryChoiceOfPlayersAndLevelSurvivesARestartInBothViews) {
    for (const char* players : {"mnuTwoPlayers", "mnuComputerBlue", "mnuComputerRed"}) {
        for (const char* level : {"mnuEasy", "mnuMedium", "mnuHard", "mnuExpert"}) {
            {
                GameDriver game({.seed = 1});
                ComputerPlayer& computer = game.computer();
                computer.setNodeCap(1000);
                GameDriver::action(game.blue(), level).trigger();
                GameDriver::action(game.blue(), players).trigger();
                EXPECT_TRUE(GameDriver::action(game.red(), level).isChecked()) << level;
                EXPECT_TRUE(GameDriver::action(game.red(), players).isChecked()) << players;
            }
            GameDriver game({.seed = 1});
            ComputerPlayer& computer = game.computer();
            computer.setNodeCap(1000);
            for (BoardWindow* window : {&game.red(), &game.blue()}) {
                EXPECT_TRUE(GameDriver::action(*window, level).isChecked()) << players << " " << level;
                EXPECT_TRUE(GameDriver::action(*window, players).isChecked()) << players << " " << level;
            }
        }
    }
}

// However the switch was left, a computer game turns it off and "Two
// Players" brings back what the players last chose, in the view shown.
TEST_F(Computer, TwoPlayersRestoresTheSwitchAsLastLeftAfterEitherComputerGame) {
    GameDriver game({.seed = 1});
    ComputerPlayer& computer = game.computer();
    computer.setNodeCap(1000);
    for (const char* players : {"mnuComputerBlue", "mnuComputerRed"}) {
        for (bool switchOn : {false, true, false}) {
            if (game.action("mnuSwitch").isChecked() != switchOn) game.trigger("mnuSwitch");
            game.trigger(players);
            EXPECT_FALSE(game.action("mnuSwitch").isChecked() || game.action("mnuSwitch").isEnabled());
            game.trigger("mnuTwoPlayers");
            for (BoardWindow* window : game.views().builtWindows()) {
                EXPECT_EQ(GameDriver::action(*window, "mnuSwitch").isChecked(), switchOn) << players;
                EXPECT_TRUE(GameDriver::action(*window, "mnuSwitch").isEnabled()) << players;
            }
        }
    }
}

// Where the copy of a man held stands, each time it moves.
class Track : public QObject {
public:
    explicit Track(QWidget& widget) : widget_(widget) { widget.installEventFilter(this); }
    std::vector<QPointF> centres;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move) centres.push_back(QRectF(widget_.geometry()).center());
        return false;
    }

private:
    QWidget& widget_;
};

double Distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

TEST_F(Computer, AGlideCarriesTheManFromHisDiamondToTheTargetAndAHintBack) {
    GameDriver game;
    BoardWindow& red = game.red();
    Track track(*red.findChild<QWidget*>(QStringLiteral("dragImage")));
    const QPointF from = red.cellCentre(61), to = red.cellCentre(41);
    for (bool andBack : {false, true}) {
        Glide glide;
        glide.setDuration(200);
        bool done = false;
        ASSERT_TRUE(red.lift(61));
        track.centres.clear();
        glide.start(red, 61, 41, andBack, [&done] { done = true; });
        QTRY_VERIFY_WITH_TIMEOUT(done, 10'000);
        red.putHeldBack();
        const std::vector<QPointF>& path = track.centres;
        ASSERT_GE(path.size(), 3u);
        EXPECT_LT(Distance(path.front(), from), Distance(path.front(), to));
        EXPECT_LT(Distance(path.back(), andBack ? from : to), 1.0);
        // Never farther from the target than a step before, until there.
        const std::size_t turn = andBack ? path.size() / 2 : path.size();
        for (std::size_t i = 1; i < turn; ++i) EXPECT_LE(Distance(path[i], to), Distance(path[i - 1], to) + 1.0);
    }
}

Cell AManOf(const Position& position, Side side) {
    for (Cell i = 0; i < CellCount; ++i)
        if (position[i] == ManOf(side)) return i;
    return NoCell;
}

// The computer playing both sides, at a tiny budget, with no glide.
TEST_F(Computer, PlaysBothSidesToTheEndInTheViewOnScreenAndAgainAfterReset) {
    GameDriver game({.seed = 11});
    ComputerPlayer& computer = game.computer();
    computer.setGlideDuration(0);
    computer.setNodeCap(2000);
    computer.setMovePause(600'000);
    game.trigger("mnuBlue");
    BoardWindow& blue = game.blue();
    QSignalSpy played(&computer, &ComputerPlayer::played);
    game.trigger("mnuComputerBoth");
    QAction& redSwitch = GameDriver::action(game.red(), "mnuSwitch");
    EXPECT_FALSE(redSwitch.isChecked() || redSwitch.isEnabled());
    // The answer is in, but held until the pause between moves is over.
    QCoreApplication::processEvents();
    QTRY_VERIFY(!computer.hasThreads());
    EXPECT_FALSE(GameDriver::action(blue, "mnuHint").isEnabled());
    EXPECT_EQ(played.count(), 0);
    EXPECT_TRUE(computer.isBusy());
    computer.setMovePause(0);
    for (int move = 0; move < 2; ++move) {
        ASSERT_TRUE(played.wait(20'000));
        ASSERT_EQ(&game.shown(), &blue) << "the view on screen did not stay";
        game.click(AManOf(blue.position(), game.views().sharedTurnRecord()));
        EXPECT_EQ(game.message(), "NOT YOUR TURN");
        EXPECT_FALSE(blue.isDragging());
    }
    QTRY_VERIFY_WITH_TIMEOUT(IsOver(blue), 120'000);
    EXPECT_EQ(game.message(), "");
    EXPECT_TRUE(GameDriver::isShown(GameDriver::label(blue, "lblOVER")));
    QCoreApplication::processEvents();
    EXPECT_FALSE(computer.isBusy()) << "the computer goes on after the end";

    played.clear();
    game.clickButton("cmdReset");
    ASSERT_TRUE(played.wait(20'000)) << "the computer does not play the new game";
    // Two Players drops an answer held for its pause.
    computer.setMovePause(600'000);
    QCoreApplication::processEvents();
    QTRY_VERIFY(!computer.hasThreads());
    {
        GameDriver later;
        PlayersMenu remembered(later.views());
        EXPECT_TRUE(remembered.computerPlays(Side::Red) && remembered.computerPlays(Side::Blue));
    }
    game.trigger("mnuTwoPlayers");
    QCoreApplication::processEvents();
    EXPECT_TRUE(redSwitch.isChecked() && redSwitch.isEnabled());
    EXPECT_FALSE(computer.isBusy());
    EXPECT_TRUE(game.action("mnuHint").isEnabled());
}

}  // namespace
}  // namespace vintrel
