// Games that last, as a player meets them: saved and opened through the
// menus and their dialogs, resumed after the program ended, and taken back
// looked through and played on from an earlier move in the move list,
// against the computer as well.
#include "computer_player.h"
#include "game_driver.h"
#include "autosave.h"
#include "game_keeper.h"
#include "game_model.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTableWidget>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <semaphore>
#include <vector>

namespace vintrel {
namespace {

using testing::GameDriver;

// The board windows with the game keeping the program attaches to them.
struct KeptGame {
    GameDriver game;
    GameKeeper& keeper = game.games();
};

// What a player can tell of a game on screen.
struct Seen {
    Position position;
    bool blueView;
    bool takeBack;
    bool over;
    bool operator==(const Seen&) const = default;
};

Seen SeenIn(GameDriver& game) {
    BoardWindow& shown = game.shown();
    return {shown.position(), shown.view().turnedHalfRound, game.action("mnuUnmove").isEnabled(),
            GameDriver::isShown(GameDriver::label(shown, "lblOVER"))};
}

template <typename Dialog>
Dialog& OpenDialog(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        for (auto* dialog : widget->findChildren<Dialog*>(QLatin1String(name)))
            if (dialog->isVisible()) return *dialog;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->objectName() == QLatin1String(name))
            return *dialog;
    throw std::runtime_error(std::string("no dialog ") + name);
}

// The file dialog the menu item opened, answered with `path`.
void Answer(GameDriver& game, const char* item, const QString& path) {
    game.trigger(item);
    auto& dialog = OpenDialog<QFileDialog>("gameFileDialog");
    dialog.selectFile(path);
    QMetaObject::invokeMethod(&dialog, "accept");
}

// The text of the error dialog on screen, which it then closes.
QString ErrorShown() {
    auto& box = OpenDialog<QMessageBox>("gameError");
    const QString text = box.text();
    box.accept();
    return text;
}

class Games : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        QSettings(QStringLiteral("vintrel"), QStringLiteral("vintrel")).clear();
    }
    QString file(const char* name) const { return data.filePath(QLatin1String(name)); }

    QTemporaryDir data;
};

TEST_F(Games, ASavedGameOpensAsItWasPlayedCommitmentAndViewIncluded) {
    KeptGame kept;
    // Blue's man on 34 stands committed: red must capture him.
    kept.game.play("61-43 16-34");
    const Seen before = SeenIn(kept.game);
    Answer(kept.game, "mnuSave", file("game.vintrel"));
    QFile saved(file("game.vintrel"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\n1. 61-43 16-34\n"));

    kept.game.trigger("mnuReset");
    Answer(kept.game, "mnuOpen", file("game.vintrel"));
    EXPECT_EQ(SeenIn(kept.game), before);
    // One piece of news for the screen reader, not one a move.
    EXPECT_EQ(kept.game.shown().focusWidget()->accessibleDescription(), "Game opened: 2 moves, red to move");
    kept.game.drag(60, 50);
    EXPECT_EQ(kept.game.message(), "YOU ARE COMMITTED TO CAPTURE");
    kept.game.play("43-34");
    EXPECT_EQ(kept.game.gameState().moves().size(), 3u);
}

TEST_F(Games, AFinishedGameOpensAtItsEndInTheWinnersViewAndALastMoveTakesBackAsByHand) {
    // A seeded game played out to its end.
    Game finished;
    std::mt19937 random(11);
    while (!finished.isOver()) {
        const auto moves = StandingMoves(finished.position(), finished.toMove(), finished.commitments());
        const Move& move = moves[random() % moves.size()];
        finished.play(move.from, move.to);
    }
    KeptGame kept;
    ASSERT_TRUE(kept.keeper.files().openText(QByteArray::fromStdString(WriteGame({{}, finished.moves()})), "game"));
    EXPECT_EQ(kept.game.shown().view().turnedHalfRound, finished.toMove() == Side::Blue);
    EXPECT_TRUE(SeenIn(kept.game).over);

    // With the switch off, the last move stays in the view on screen and
    // can be taken back there.
    GameText unfinished{{}, finished.moves()};
    unfinished.moves.pop_back();
    kept.game.trigger("mnuReset");
    kept.game.shown().findChild<QAction*>("mnuSwitch")->trigger();
    kept.game.trigger(kept.game.shown().view().otherViewItem.name);
    const bool blueView = kept.game.shown().view().turnedHalfRound;
    ASSERT_TRUE(kept.keeper.files().openText(QByteArray::fromStdString(WriteGame(unfinished)), "game"));
    EXPECT_EQ(kept.game.shown().view().turnedHalfRound, blueView);
    EXPECT_TRUE(kept.game.action("mnuUnmove").isEnabled());
    EXPECT_EQ(kept.game.shown().position(), Game::Replayed(unfinished.moves).position());
    kept.game.trigger("mnuUnmove");
    EXPECT_EQ(kept.game.gameState().moves().size(), unfinished.moves.size() - 1);
}

TEST_F(Games, ABadFileOrAFailedSaveIsToldAndChangesNothing) {
    KeptGame kept;
    kept.game.play("61-43");
    const Seen before = SeenIn(kept.game);
    QFile bad(file("bad.vintrel"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("[Event \"x\"]\n\n1. 61-43 16-39\n");
    bad.close();
    Answer(kept.game, "mnuOpen", file("bad.vintrel"));
    EXPECT_EQ(ErrorShown(), file("bad.vintrel") + ":3: move 1, blue: 16-39 lands on own man");
    EXPECT_EQ(SeenIn(kept.game), before);
    EXPECT_EQ(kept.game.gameState().moves().size(), 1u);

    // A folder stands where the file should go.
    QDir(data.path()).mkdir(QStringLiteral("taken.vintrel"));
    EXPECT_FALSE(kept.keeper.files().save(file("taken.vintrel")));
    EXPECT_TRUE(ErrorShown().startsWith("The game could not be saved to " + file("taken.vintrel") + ": "));
    EXPECT_TRUE(QFileInfo(file("taken.vintrel")).isDir());

    // Of a data folder that cannot be made the autosave tells once,
    // however many writes fail, and once more after one has succeeded; of
    // a write that succeeds, nothing. The game goes on.
    const auto keep = [&](const char* moves) {
        ::testing::internal::CaptureStderr();
        kept.game.play(moves);
        kept.keeper.autosave().flush();
        QCoreApplication::processEvents();
        const std::string told = ::testing::internal::GetCapturedStderr();
        return std::count_if(told.begin(), told.end(), [](char c) { return c == '\n'; });
    };
    const QByteArray dataFolder = qgetenv("XDG_DATA_HOME");
    QFile blocked(file("blocked"));
    ASSERT_TRUE(blocked.open(QIODevice::WriteOnly));
    EXPECT_EQ(keep("16-34"), 0);
    qputenv("XDG_DATA_HOME", file("blocked").toLocal8Bit());
    EXPECT_EQ(keep("43-34 6-4"), 1) << "the second move's write fails as the flush writes it";
    qputenv("XDG_DATA_HOME", dataFolder);
    EXPECT_EQ(keep("60-51"), 0);
    qputenv("XDG_DATA_HOME", file("blocked").toLocal8Bit());
    EXPECT_EQ(keep("4-2"), 1) << "the move's write fails as it ends";
    EXPECT_EQ(kept.game.gameState().moves().size(), 6u);
}

TEST_F(Games, TheLastGameResumesAfterARestartAndANewGameKeepsItUntilItsFirstMove) {
    {
        KeptGame first;
        first.game.play("61-43 16-34 43-34");
        first.game.trigger("mnuRed");
    }
    KeptGame second;
    second.game.trigger("mnuReset");
    EXPECT_TRUE(second.game.action("mnuResume").isEnabled());
    second.game.trigger("mnuResume");
    EXPECT_EQ(second.game.shown().position(), Game::Replayed({{{61, 43}, {16, 34}, {43, 34, true}}}).position());
    EXPECT_TRUE(second.game.shown().view().turnedHalfRound) << "blue is to move, the switch on";
    EXPECT_FALSE(second.game.action("mnuResume").isEnabled()) << "the game on the board is the last one";
    second.game.trigger("mnuReset");
    second.keeper.autosave().flush();
    EXPECT_TRUE(second.game.action("mnuResume").isEnabled());
    QFile kept(Autosave::path());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().contains("1. 61-43 16-34 2. 43x34"));
}

// Moves quicker than the disk: while one write is under way the games
// that follow wait as one, the newest, written once the disk is free
// again without a flush, where a queue of writes would grow with the
// moves and hold the program up as it ends. A flush writes the game that
// waits, and tells if that failed.
TEST_F(Games, MovesQuickerThanTheDiskAreKeptByOneWriteOfTheNewestGame) {
    GameModel model;
    std::binary_semaphore diskFree(0);
    std::atomic<int> writes = 0;
    std::vector<QByteArray> written;  // read once the writes have ended
    int asked = 0;
    Autosave autosave(model, [&] { return std::to_string(++asked); },
                      [&](const QString&, const QByteArray& text) {
                          // A minute bounds only a disk that is never freed.
                          if (writes == 0 || writes == 3) (void)diskFree.try_acquire_for(std::chrono::minutes(1));
                          written.push_back(text);
                          ++writes;
                          return text == "24" ? QStringLiteral("disk full") : QString();
                      });
    for (int i = 0; i < 10; ++i) {
        model.play(61, 43);
        model.takeBack();
    }
    model.play(61, 43);
    diskFree.release();
    EXPECT_TRUE(QTest::qWaitFor([&] { return writes == 2; }, 60'000));
    model.takeBack();
    EXPECT_TRUE(QTest::qWaitFor([&] { return writes == 3; }, 60'000)) << "the disk free, a game is written at once";
    autosave.flush();
    QCoreApplication::processEvents();  // the write's end is told: none is under way
    model.play(61, 43);
    model.takeBack();
    ::testing::internal::CaptureStderr();
    diskFree.release();
    autosave.flush();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("disk full"), std::string::npos);
    EXPECT_EQ(written, (std::vector<QByteArray>{"1", "21", "22", "23", "24"}));
}

// Junk, a folder, then junk again, where the last game should be: each
// set aside as .bad in place of the one before, told when resumed over a
// new game, and a fresh file kept after the next move, which resumes.
TEST_F(Games, AKeptFileThatIsNoGameIsSetAsideToldOnResumeAndNotWrittenOver) {
    const QString kept = Autosave::path(), aside = kept + ".bad";
    QDir().mkpath(QFileInfo(kept).path());
    const QByteArray junk("\x89PNG\r\n\x1a\n\0\0 no game");
    for (const bool folder : {false, true, false}) {
        if (folder) {
            QDir().mkpath(kept + "/inside");
        } else {
            QFile file(kept);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(junk);
        }
        KeptGame again;
        EXPECT_FALSE(again.keeper.files().resume());
        const QString told = ErrorShown();
        EXPECT_TRUE(told.startsWith(kept + (folder ? ": a folder" : ":1: "))) << told.toStdString();
        EXPECT_TRUE(told.endsWith("(kept as " + aside + ")")) << told.toStdString();
        EXPECT_EQ(SeenIn(again.game).position, StartingPosition());
        EXPECT_EQ(QFileInfo(aside).isDir(), folder);
        if (!folder) {
            QFile setAside(aside);
            ASSERT_TRUE(setAside.open(QIODevice::ReadOnly));
            EXPECT_EQ(setAside.readAll(), junk);
        }
        again.game.play("61-43");
        again.keeper.autosave().flush();
        QFile fresh(kept);
        ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
        EXPECT_TRUE(fresh.readAll().contains("\n1. 61-43\n"));
        again.game.trigger("mnuReset");
        EXPECT_TRUE(again.keeper.files().resume());
        again.keeper.autosave().flush();
        fresh.remove();
    }
}

// Clicks the move of ply `ply` (1 for red's first) in the move list.
void ClickMove(QTableWidget& table, std::size_t ply) {
    QTableWidgetItem* item = table.item(int((ply - 1) / 2), int((ply - 1) % 2));
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualItemRect(item).center());
}

// The first move the rules let the side to move make in `game`.
Move AnyMove(const Game& game) {
    return StandingMoves(game.position(), game.toMove(), game.commitments()).front();
}

TEST_F(Games, TheMoveListFollowsTheGameAndBrowsesItWithoutDroppingAMove) {
    KeptGame kept;
    kept.game.trigger("mnuMoves");
    ASSERT_TRUE(kept.keeper.moveList().window().isVisible());
    kept.game.play("61-43 16-34 43-34");
    QTableWidget& table = kept.keeper.moveList().table();
    EXPECT_EQ(table.accessibleName(), "Moves");
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.item(0, 1)->text(), "16-34");
    EXPECT_EQ(table.item(1, 0)->text(), "43x34");
    EXPECT_EQ(table.item(1, 0)->data(Qt::AccessibleTextRole).toString(), "2. red 43 to 34, captures");
    EXPECT_EQ(table.item(1, 1), nullptr);
    EXPECT_EQ(table.currentItem(), table.item(1, 0));

    // Copied and pasted back, the game comes back whole.
    kept.keeper.moveList().window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&kept.keeper.moveList().window()));
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    kept.game.trigger("mnuReset");
    QTest::keyClick(&table, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(kept.game.gameState().moves().size(), 3u);
    const std::string whole = WriteGame(kept.keeper.files().gameText());

    EXPECT_TRUE(kept.game.action("mnuMoves").isChecked());
    ClickMove(table, 1);
    BoardWindow& shown = kept.game.shown();
    EXPECT_EQ(shown.position(), Game::Replayed({{{61, 43}}}).position());
    // Blue's empty place in the last row leads nowhere.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(table.model()->index(1, 1)).center());
    EXPECT_EQ(kept.game.model().shownPly(), 1u);
    EXPECT_TRUE(shown.windowTitle().endsWith(" — move 1 of 3")) << shown.windowTitle().toStdString();
    // A request the game refuses leaves the board where it was.
    EXPECT_FALSE(Stands(kept.game.model().play(34, 34).outcome));
    EXPECT_TRUE(kept.game.model().isBrowsing());
    EXPECT_EQ(table.currentItem(), table.item(0, 0));
    // In the list the arrows step a single move; Home and End go to the ends.
    QTest::keyClick(&table, Qt::Key_Down);
    EXPECT_EQ(kept.game.model().shownPly(), 2u);
    QTest::keyClick(&table, Qt::Key_Home);
    EXPECT_EQ(shown.position(), StartingPosition());
    EXPECT_EQ(table.currentItem(), nullptr);
    QTest::keyClick(&table, Qt::Key_End);
    EXPECT_FALSE(kept.game.model().isBrowsing());
    EXPECT_FALSE(shown.windowTitle().contains("move"));
    // The board window's own keys browse while the list is open.
    shown.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
    // At the end already, Right shows nothing new: a man held stays held.
    ASSERT_TRUE(shown.lift(AnyMove(kept.game.gameState()).from));
    kept.game.key(Qt::Key_Right);
    EXPECT_TRUE(shown.isDragging());
    kept.game.key(Qt::Key_Left);
    EXPECT_EQ(kept.game.model().shownPly(), 2u);
    EXPECT_EQ(shown.position(), kept.game.gameState().after(2).position());

    // Only a man of the side to move in the position shown comes up, and he
    // goes back when another position comes up.
    EXPECT_FALSE(shown.lift(34)) << "blue's man, red to move after two moves";
    ASSERT_TRUE(shown.lift(AnyMove(kept.game.model().shown()).from));
    kept.game.key(Qt::Key_Home);
    EXPECT_FALSE(shown.isDragging());

    // Nothing was dropped on the way.
    kept.keeper.autosave().flush();
    EXPECT_EQ(kept.keeper.autosave().savedMoves(), kept.game.gameState().moves());
    EXPECT_EQ(WriteGame(kept.keeper.files().gameText()), whole);

    // Closed, the list leaves the board's keys to the board.
    kept.keeper.moveList().window().close();
    EXPECT_FALSE(kept.game.action("mnuMoves").isChecked());
    kept.game.key(Qt::Key_End);
    EXPECT_EQ(kept.game.model().shownPly(), 0u);

    // A new game begins on the board, not on the position shown.
    kept.game.trigger("mnuReset");
    EXPECT_FALSE(kept.game.model().isBrowsing());
    EXPECT_EQ(kept.game.shown().position(), StartingPosition());
}

TEST_F(Games, TheMoveListKeepsTheMoveShownInSight) {
    KeptGame kept;
    kept.game.trigger("mnuMoves");
    const Game long_ = testing::RandomGame(5, 120);
    ASSERT_TRUE(kept.keeper.files().openText(QByteArray::fromStdString(WriteGame({{}, long_.moves()})), "game"));
    QTableWidget& table = kept.keeper.moveList().table();
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Down}) QTest::keyClick(&table, key);
    EXPECT_TRUE(table.viewport()->rect().contains(table.visualItemRect(table.item(0, 0))));
    // The table's own keys are left to it: Page Down goes a screenful on.
    QTest::keyClick(&table, Qt::Key_PageDown);
    EXPECT_GT(kept.game.model().shownPly(), 4u);
    QTest::keyClick(&table, Qt::Key_End);
    const std::size_t last = long_.moves().size() - 1;
    EXPECT_TRUE(table.viewport()->rect().contains(table.visualItemRect(table.item(int(last / 2), int(last % 2)))));
}

TEST_F(Games, PlayingOnFromAnEarlierMoveAsksAndDropsTheLaterMoves) {
    KeptGame kept;
    kept.game.trigger("mnuMoves");
    kept.game.play("61-43 16-34 43-34");
    QTableWidget& table = kept.keeper.moveList().table();
    ClickMove(table, 1);
    kept.game.drag(16, 61);
    EXPECT_TRUE(GameDriver::isShown(GameDriver::label(kept.game.shown(), "lblInfo"))) << "a refusal asks nothing";

    const Move next = AnyMove(kept.game.model().shown());
    kept.game.drag(next.from, next.to);
    auto& question = OpenDialog<QMessageBox>("playOnQuestion");
    EXPECT_EQ(question.text(), "Drop the 2 later moves and play on from here?");
    question.button(QMessageBox::No)->click();
    EXPECT_EQ(kept.game.gameState().moves().size(), 3u);
    EXPECT_EQ(kept.game.model().shownPly(), 1u);

    kept.game.drag(next.from, next.to);
    OpenDialog<QMessageBox>("playOnQuestion").button(QMessageBox::Yes)->click();
    const std::vector<PlayedMove> expected{{61, 43}, {next.from, next.to, false}};
    EXPECT_EQ(kept.game.gameState().moves(), expected);
    EXPECT_FALSE(kept.game.model().isBrowsing());
    EXPECT_EQ(table.rowCount(), 1);
    kept.keeper.autosave().flush();
    EXPECT_EQ(kept.keeper.autosave().savedMoves(), expected);
}

TEST_F(Games, AgainstTheComputerPlayOnStartsFromThePlayersTurn) {
    GameDriver game({.seed = 7, .glide = false, .nodeCap = 2000});
    ComputerPlayer& computer = game.computer();
    GameKeeper& keeper = game.games();
    game.trigger("mnuComputerBlue");
    game.trigger("mnuMoves");
    QSignalSpy played(&computer, &ComputerPlayer::played);
    for (int i = 0; i < 2; ++i) {
        const Move mine = AnyMove(game.gameState());
        game.drag(mine.from, mine.to);
        ASSERT_TRUE(played.wait(60'000));
    }
    ASSERT_EQ(game.gameState().moves().size(), 4u);
    QTableWidget& table = keeper.moveList().table();
    // After the computer's first reply red, the player, is to move again.
    ClickMove(table, 1);
    const Move mine = AnyMove(game.gameState().after(2));
    game.drag(mine.from, mine.to);
    EXPECT_TRUE(GameDriver::isShown(GameDriver::label(game.shown(), "lblInfo"))) << "blue is the computer's";
    ClickMove(table, 2);
    game.drag(mine.from, mine.to);
    OpenDialog<QMessageBox>("playOnQuestion").button(QMessageBox::Yes)->click();
    EXPECT_EQ(game.gameState().moves().size(), 3u);
    ASSERT_TRUE(played.wait(60'000)) << "the computer answers the move played on";
    EXPECT_EQ(game.gameState().moves().size(), 4u);
    EXPECT_EQ(&game.shown(), &game.red());
}

}  // namespace
}  // namespace vintrel
