// Plays the game through its windows the way a player does: mouse presses,
// drags and releases on the cells, keys, menu items and buttons.
#pragma once

#include "board.h"
#include "board_window.h"
#include "pictures.h"
#include "program.h"
#include "rules_support.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

namespace vintrel::testing {

// The nine pictures of the source tree.
const PictureFiles& SourcePictures();

// What is wrong with a window's painting, one line a cell; empty when all
// is well.
using Complaints = std::vector<std::string>;

// No computer unless asked for: two players at one mouse.
inline constexpr ProgramOptions TwoPlayers{.computer = false};

// The program, started: its red view on screen with a new game.
class GameDriver {
public:
    explicit GameDriver(const ProgramOptions& options = TwoPlayers);
    // A game whose pictures are `pictures`, all found in one folder.
    explicit GameDriver(const PictureFiles& pictures, const ProgramOptions& options = TwoPlayers);
    ~GameDriver();

    Program& program() { return *program_; }
    GameModel& model() { return program_->model(); }
    const Game& gameState() { return program_->model().game(); }
    ViewPair& views() { return program_->views(); }
    // The computer the options asked for; fails the test if there is none.
    ComputerPlayer& computer();
    GameKeeper& games() { return program_->games(); }
    BoardWindow& red() { return views().red(); }
    BoardWindow& blue() { return views().blue(); }
    // The window on screen; fails the test if there is none.
    BoardWindow& shown();

    // Presses the man on `from` in the shown window, drags him and lets go
    // over cell `to`. Under the mouse grab every event goes to the pressed
    // cell, as on a real screen.
    void drag(Cell from, Cell to, Qt::MouseButton button = Qt::LeftButton);
    // The same, letting go at a point of the shown window's client area.
    void dragToPoint(Cell from, QPoint boardPoint, Qt::MouseButton button = Qt::LeftButton);
    // Press and release on one cell.
    void click(Cell cell, Qt::MouseButton button = Qt::LeftButton);
    // A sequence of drags in the shown window, e.g. "61-43 16-34".
    void play(const std::string& moves);

    // A key pressed and released on the shown window, delivered as the
    // system delivers it: to whatever holds the window's focus.
    void key(Qt::Key key);
    // The diamond the shown window's focus is on, NoCell when it is not on
    // the board.
    Cell cursor();
    // Arrow keys, as a player steers: up or down while `target` lies in
    // another row across the screen, then along the row.
    void cursorTo(Cell target);
    // Moves by keys alone, e.g. "61-43 16-34": the cursor to the man,
    // Space, the cursor to the target, Space.
    void playByKeys(const std::string& moves);

    // Menu items and buttons of the shown window, by name.
    QAction& action(const char* name) { return action(shown(), name); }
    static QAction& action(BoardWindow& window, const char* name);
    void trigger(const char* actionName);
    void clickButton(const char* buttonName);
    static QLabel& label(BoardWindow& window, const char* name);
    static QPushButton& button(BoardWindow& window, const char* name);
    static bool isShown(QWidget& widget) { return !widget.isHidden(); }

    // What a player sees in the shown window's message label, or "" when
    // it is hidden.
    QString message();

    // Sets up the game at `position`, `toMove` to move, to reach it
    // quickly; the shown window then activates as on a switch, taking the
    // game over.
    void arrange(const Position& position, Side toMove = Side::Red);

    // The game as the window's cells hold it, e.g. for comparing views.
    static Position positionOf(const BoardWindow& window) { return window.position(); }

    // Grabs `window` as a screen of its device pixel ratio (1, 2 or 3) shows
    // it and compares every shown cell among `cells`, inside its diamond,
    // with the file its picture comes from, read from the picture folder.
    Complaints cellsPaintedWrongly(BoardWindow& window, const std::vector<Cell>& cells = AllCells()) const;
    static std::vector<Cell> AllCells();

private:
    QString pictureFolder_;
    std::unique_ptr<Program> program_;
};

}  // namespace vintrel::testing
