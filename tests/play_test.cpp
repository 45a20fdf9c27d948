// Moves made with the mouse: whole games to both kinds of win, the drops
// the game refuses and what they leave behind, compulsory capture, and the
// drag gesture itself.
#include "game_driver.h"

#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace vintrel {
namespace {

using testing::GameDriver;
using testing::PositionWith;
using testing::RowName;

// What a player sees of the board, and the records a refused drop must
// leave alone.
struct Snapshot {
    std::vector<std::string> tags;
    std::vector<std::optional<Picture>> pictures;
    Position otherView{};
    Side turn = Side::Red;
    Side sharedTurn = Side::Red;
    CommitmentRecord com;
    Cell undoFrom = NoCell;
    Cell undoTo = NoCell;
    bool lastCapture = false;
};

Snapshot TakeSnapshot(GameDriver& game) {
    BoardWindow& window = game.shown();
    Snapshot shot;
    for (Cell i = 0; i < CellCount; ++i) {
        shot.tags.push_back(window.cell(i).tag().toStdString());
        shot.pictures.push_back(window.cell(i).picture());
    }
    shot.otherView = game.views().twinOf(window).position();
    const Game& state = window.game();
    shot.turn = state.toMove();
    shot.sharedTurn = game.views().sharedTurnRecord();
    shot.com = state.commitments();
    if (!state.moves().empty()) {
        shot.undoFrom = state.moves().back().from;
        shot.undoTo = state.moves().back().to;
        shot.lastCapture = state.moves().back().captures;
    }
    return shot;
}

void ExpectUnchanged(const Snapshot& before, const Snapshot& after) {
    EXPECT_EQ(after.tags, before.tags);
    EXPECT_TRUE(after.pictures == before.pictures) << "a cell shows another picture";
    EXPECT_EQ(after.otherView, before.otherView);
    EXPECT_EQ(after.turn, before.turn);
    EXPECT_EQ(after.sharedTurn, before.sharedTurn);
    EXPECT_TRUE(after.com == before.com) << "the commitment record changed";
    EXPECT_EQ(after.undoFrom, before.undoFrom);
    EXPECT_EQ(after.undoTo, before.undoTo);
    EXPECT_EQ(after.lastCapture, before.lastCapture);
}

// As text that failure messages can print.
std::string Message(GameDriver& game) { return game.message().toStdString(); }
std::string Tag(BoardWindow& window, Cell cell) { return window.cell(cell).tag().toStdString(); }

// A game in which both players share the red view.
struct RedViewGame : GameDriver {
    RedViewGame() { trigger("mnuSwitch"); }
};

// Plays moves that must all stand, stopping at the first that does not.
void PlayStandingMoves(GameDriver& game, const std::string& moves) {
    std::istringstream words(moves);
    std::string move;
    while (words >> move) {
        const Cell to = Cell(std::stoi(move.substr(move.find('-') + 1)));
        const Side mover = game.views().sharedTurnRecord();
        game.play(move);
        ASSERT_EQ(Message(game), "") << move;
        ASSERT_EQ(game.shown().cell(to).occupant(), ManOf(mover)) << move;
        ASSERT_EQ(game.views().sharedTurnRecord(), Opponent(mover)) << move;
    }
}

bool IsDragging(GameDriver& game) { return game.shown().isDragging(); }

void Press(GameDriver& game, Cell cell, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(&game.shown().cell(cell), button);
}

void Release(GameDriver& game, Cell cell, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(&game.shown().cell(cell), button);
}

void ExpectGameOver(BoardWindow& window) {
    QLabel& over = GameDriver::label(window, "lblOVER");
    EXPECT_TRUE(GameDriver::isShown(over));
    EXPECT_EQ(over.text(), "GAME OVER!!");
    // On one line: the label has no room for a second.
    EXPECT_LE(over.fontMetrics().horizontalAdvance(over.text()), over.contentsRect().width());
    EXPECT_TRUE(GameDriver::isShown(GameDriver::button(window, "cmdReset")));
    for (const char* item : {"mnuSwitch", window.view().otherViewItem.name, "mnuUnmove"})
        EXPECT_FALSE(GameDriver::action(window, item).isEnabled()) << item;
    for (Cell i = 0; i < CellCount; ++i) EXPECT_FALSE(window.cell(i).isEnabled()) << i;
}

// After the end no press on any diamond starts a drag, says anything or
// clears the notice.
void ExpectDeadBoard(GameDriver& game) {
    const Position before = game.shown().position();
    for (Cell i = 0; i < CellCount; ++i) {
        Press(game, i);
        EXPECT_FALSE(IsDragging(game)) << i;
        Release(game, i);
        EXPECT_EQ(Message(game), "") << i;
    }
    EXPECT_TRUE(GameDriver::isShown(GameDriver::label(game.shown(), "lblOVER")));
    EXPECT_EQ(game.shown().position(), before);
}

// ------------------------------------------------------------ whole games

// Blue clears the diamonds round his corner, giving men up or moving them
// away; at last his man from 9 steps onto 27, where red's man waiting on 45
// takes him, free to walk on to 9.
constexpr const char* CornerGame =
    "81-63 27-45 63-45 38-58 70-52 39-59 60-40 16-34 52-34 17-15 82-60 6-4 61-62 28-48 "
    "72-73 18-16 34-16 7-16 80-82 16-14 73-53 29-39 83-63 9-27 45-27 39-57";

TEST(WholeGame, RedReachingBlueCornerWinsWhereHeStands) {
    RedViewGame game;
    ASSERT_NO_FATAL_FAILURE(PlayStandingMoves(game, CornerGame));
    const Snapshot beforeWin = TakeSnapshot(game);
    game.drag(27, 9);

    BoardWindow& red = game.red();
    EXPECT_EQ(game.views().shown(), &red);
    EXPECT_EQ(Tag(red, 9), "H1");
    EXPECT_EQ(red.cell(9).picture(), Picture::Vint1Red);
    EXPECT_EQ(Tag(red, 27), "");
    ExpectGameOver(red);
    // The winning move does not pass the turn. The game keeps it as its
    // last move, with the one before it, but no take back reaches either.
    const Snapshot afterWin = TakeSnapshot(game);
    EXPECT_EQ(afterWin.turn, Side::Red);
    EXPECT_EQ(afterWin.sharedTurn, Side::Red);
    const std::vector<PlayedMove>& moves = red.game().moves();
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves.back(), (PlayedMove{27, 9, false}));
    EXPECT_EQ(moves[moves.size() - 2].from, beforeWin.undoFrom);
    EXPECT_EQ(moves[moves.size() - 2].to, beforeWin.undoTo);
    EXPECT_FALSE(GameDriver::action(red, "mnuUnmove").isEnabled());
    ExpectDeadBoard(game);
}

struct LastManRow {
    const char* name;
    Position position;
    Side mover;
    Cell from, to;
    friend void PrintTo(const LastManRow& row, std::ostream* out) { *out << row.name; }
};

class LastManCaptured : public ::testing::TestWithParam<LastManRow> {};

TEST_P(LastManCaptured, EndsTheGameAfterRecordingTheMove) {
    const LastManRow& row = GetParam();
    RedViewGame game;
    game.arrange(row.position, row.mover);
    game.drag(row.from, row.to);

    BoardWindow& red = game.red();
    EXPECT_EQ(red.cell(row.to).occupant(), ManOf(row.mover));
    EXPECT_FALSE(HasManOf(red.position(), Opponent(row.mover)));
    ExpectGameOver(red);
    EXPECT_EQ(red.game().result(), row.mover == Side::Red ? Result::RedWon : Result::BlueWon);
    EXPECT_EQ(red.game().moves().back().from, row.from);
    EXPECT_EQ(red.game().moves().back().to, row.to);
    EXPECT_TRUE(red.game().moves().back().captures);
    EXPECT_EQ(red.game().toMove(), row.mover);
    EXPECT_EQ(game.views().sharedTurnRecord(), row.mover);
    ExpectDeadBoard(game);
}

INSTANTIATE_TEST_SUITE_P(
    BySide, LastManCaptured,
    ::testing::Values(LastManRow{"RedTakesBluesLast", PositionWith({55, 90}, {37}), Side::Red, 55, 37},
                      LastManRow{"BlueTakesRedsLast", PositionWith({44}, {24, 9}), Side::Blue, 24, 44}),
    RowName());

// ---------------------------------------------------------------- refusals

struct RefusalRow {
    const char* name;
    const char* before;  // moves that stand, leaving an undo record behind
    Cell from, to;
    const char* message;
    bool showsCommitment;
    friend void PrintTo(const RefusalRow& row, std::ostream* out) { *out << row.name; }
};

class RefusedDrop : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(RefusedDrop, IsToldAndLeavesTheGameAsItWas) {
    const RefusalRow& row = GetParam();
    RedViewGame game;
    ASSERT_NO_FATAL_FAILURE(PlayStandingMoves(game, row.before));
    const Snapshot before = TakeSnapshot(game);
    game.drag(row.from, row.to);

    EXPECT_EQ(Message(game), row.message);
    EXPECT_FALSE(IsDragging(game));
    EXPECT_EQ(GameDriver::isShown(GameDriver::button(game.shown(), "cmdShowCom")), row.showsCommitment);
    ExpectUnchanged(before, TakeSnapshot(game));

    game.click(50);  // an empty diamond
    EXPECT_EQ(Message(game), "");
    EXPECT_FALSE(GameDriver::isShown(GameDriver::button(game.shown(), "cmdShowCom")));
}

INSTANTIATE_TEST_SUITE_P(
    EachReason, RefusedDrop,
    ::testing::Values(
        RefusalRow{"OwnManOutOfRange", "61-43 17-26", 43, 72, "YOU MAY NOT LAND ON YOUR OWN MAN", false},
        RefusalRow{"BackwardOntoEmpty", "61-43 17-26", 43, 63, "MOVE NOT PERMITTED!!", false},
        RefusalRow{"TooFarOntoOpponent", "61-43 17-26", 43, 26, "MOVE NOT PERMITTED!!", false},
        RefusalRow{"CommittedManLeftStanding", "61-43 16-34", 72, 63, "YOU ARE COMMITTED TO CAPTURE", true},
        RefusalRow{"BlueLeavesCommittedManStanding", "61-43 17-26 43-34", 28, 37,
                   "YOU ARE COMMITTED TO CAPTURE", true}),
    RowName());

// Blue's man moves from 28 to 48, in reach of red's men on 66 and 68: red
// must take him. Red's man on 27 could otherwise step on to 9, and 66 could
// take blue's man on 55.
class Obligation : public ::testing::Test {
protected:
    void SetUp() override {
        game.arrange(PositionWith({27, 66, 68}, {28, 55}), Side::Blue);
        game.drag(28, 48);
        ASSERT_TRUE(game.red().game().commitments().H3Com);
        ASSERT_EQ(game.red().game().commitments().H3ComCell, 48);
    }
    RedViewGame game;
};

TEST_F(Obligation, TakingAnotherManIsRefusedAndBothMenStay) {
    const Snapshot before = TakeSnapshot(game);
    game.drag(66, 55);
    EXPECT_EQ(Message(game), "YOU ARE COMMITTED TO CAPTURE");
    ExpectUnchanged(before, TakeSnapshot(game));
}

TEST_F(Obligation, ReachingTheCornerWithoutTakingIsRefusedAndPlayGoesOn) {
    const Snapshot before = TakeSnapshot(game);
    game.drag(27, 9);
    EXPECT_EQ(Message(game), "YOU ARE COMMITTED TO CAPTURE");
    ExpectUnchanged(before, TakeSnapshot(game));
    EXPECT_FALSE(GameDriver::isShown(GameDriver::label(game.red(), "lblOVER")));
    EXPECT_TRUE(game.red().cell(27).isEnabled());
    game.drag(66, 48);
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Blue);
}

class TakingTheCommittedMan : public Obligation, public ::testing::WithParamInterface<Cell> {};

TEST_P(TakingTheCommittedMan, StandsWhicheverManInReachTakesHim) {
    const Cell taker = GetParam();
    game.drag(taker, 48);
    EXPECT_EQ(Message(game), "");
    EXPECT_EQ(Tag(game.red(), 48), "H1");
    EXPECT_EQ(Tag(game.red(), taker), "");
    EXPECT_TRUE(game.red().game().moves().back().captures);
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Blue);
    // The obligation is met and binds no later move.
    EXPECT_FALSE(game.red().game().commitments().H3Com);
    EXPECT_EQ(game.red().game().commitments().H3ComCell, NoCell);
}

INSTANTIATE_TEST_SUITE_P(ByTaker, TakingTheCommittedMan, ::testing::Values(Cell(66), Cell(68)));

// ------------------------------------------------------------ turn order

TEST(TurnOrder, PressingAManOfTheSideNotToMoveStartsNoDrag) {
    RedViewGame game;
    Press(game, 9);
    EXPECT_FALSE(IsDragging(game));
    EXPECT_EQ(Message(game), "NOT YOUR TURN");
    Release(game, 9);
    game.drag(61, 43);
    Press(game, 72);
    EXPECT_FALSE(IsDragging(game));
    EXPECT_EQ(Message(game), "NOT YOUR TURN");
    Release(game, 72);
    EXPECT_EQ(game.red().position()[72], Occupant::RedMan);
}

TEST(TurnOrder, SwitchingAutomaticallyHandsEachMoveToTheOtherView) {
    GameDriver game;
    game.drag(61, 43);
    EXPECT_EQ(game.views().shown(), &game.blue());
    EXPECT_TRUE(game.red().isHidden());
    EXPECT_EQ(game.blue().game().toMove(), Side::Blue);
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Blue);
    EXPECT_EQ(game.blue().cell(43).picture(), Picture::Vint3Red);

    Press(game, 43);  // red's man, in the blue view
    EXPECT_FALSE(IsDragging(game));
    EXPECT_EQ(Message(game), "NOT YOUR TURN");
    Release(game, 43);

    game.drag(17, 26);
    EXPECT_EQ(game.views().shown(), &game.red());
    EXPECT_TRUE(game.blue().isHidden());
    EXPECT_EQ(game.red().game().toMove(), Side::Red);
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Red);
    EXPECT_EQ(Tag(game.red(), 26), "H3");
}

// ----------------------------------------------------------- the gesture

TEST(Gesture, RightButtonMovesLikeTheLeft) {
    RedViewGame game;
    game.drag(61, 43, Qt::RightButton);
    EXPECT_EQ(Tag(game.red(), 43), "H1");
    EXPECT_EQ(game.red().cell(61).picture(), Picture::Blank);
    EXPECT_EQ(game.views().sharedTurnRecord(), Side::Blue);
}

TEST(Gesture, ManStaysOnHisDiamondWhileACopyFollowsThePointer) {
    RedViewGame game;
    CellBox& source = game.red().cell(61);
    const QPoint over43 = source.mapFrom(source.parentWidget(), game.red().cell(43).geometry().center());
    QTest::mousePress(&source, Qt::LeftButton);
    QTest::mouseMove(&source, over43);
    EXPECT_EQ(source.picture(), Picture::Vint1Red);
    EXPECT_EQ(source.occupant(), Occupant::RedMan);
    EXPECT_EQ(game.red().cell(43).picture(), Picture::Blank);
    auto* copy = game.red().findChild<QLabel*>(QStringLiteral("dragImage"));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isVisible());
    EXPECT_TRUE(copy->geometry().contains(game.red().cell(43).geometry().center()));
    QTest::mouseRelease(&source, Qt::LeftButton, {}, over43);
    EXPECT_FALSE(copy->isVisible());
    EXPECT_EQ(game.red().cell(43).picture(), Picture::Vint1Red);
}

TEST(Gesture, DroppingBackOnItsOwnDiamondDoesNothing) {
    RedViewGame game;
    const Snapshot before = TakeSnapshot(game);
    game.drag(61, 61);
    EXPECT_EQ(Message(game), "");
    ExpectUnchanged(before, TakeSnapshot(game));
}

TEST(Gesture, ReleaseAwayFromTheCellsDoesNothing) {
    RedViewGame game;
    game.trigger("mnuabout");  // a label that stays up during a drag
    const QPoint overAbout = GameDriver::label(game.red(), "lblabout").geometry().center();
    const QPoint outside(900, 300);
    for (const QPoint& point : {QPoint(700, 500), QPoint(20, 500), overAbout, outside}) {
        SCOPED_TRACE(QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y()).toStdString());
        const Snapshot before = TakeSnapshot(game);
        game.dragToPoint(61, point);
        EXPECT_FALSE(IsDragging(game));
        EXPECT_EQ(Message(game), "");
        ExpectUnchanged(before, TakeSnapshot(game));
    }
}

TEST(Gesture, PressOnACellClearsNoticesAndPanels) {
    RedViewGame game;
    game.trigger("mnuRules");
    // A finished game disables its cells, so the end notice cannot be up
    // while a press still counts; it is put up directly here.
    GameDriver::label(game.red(), "lblOVER").show();
    GameDriver::button(game.red(), "cmdReset").show();
    Press(game, 61);
    EXPECT_TRUE(IsDragging(game));
    for (const char* name : {"lblRules", "lblOVER"})
        EXPECT_FALSE(GameDriver::isShown(GameDriver::label(game.red(), name))) << name;
    for (const char* name : {"cmdHideRules", "cmdReset"})
        EXPECT_FALSE(GameDriver::isShown(GameDriver::button(game.red(), name))) << name;
    Release(game, 61);
}

}  // namespace
}  // namespace vintrel
