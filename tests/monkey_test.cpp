// Random play. A seeded monkey presses and drags on the diamonds, chooses
// menu items and clicks buttons the way careless players would, and after
// every action checks that the game still holds together. A failing run is
// reported at once, then played again from a new game, dropping actions
// while it keeps failing, so that the report ends in a short list of
// actions.
//
// Play stops at its action budget or its time budget, whichever comes
// first, so that a busy machine shortens the run rather than failing it;
// shrinking has a time budget of its own.
//
// VINTREL_MONKEY_SEED=n plays the one seed n; VINTREL_MONKEY_ACTIONS=n sets
// the actions per seed; VINTREL_MONKEY_SCALE=x scales the usual number;
// VINTREL_MONKEY_SECONDS=s sets the time all seeds share (240 s), and
// VINTREL_MONKEY_SHRINK_SECONDS=s the time shrinking takes at most (120 s);
// VINTREL_MONKEY_TRACE=1 prints every action before it is made, for runs
// that crash.
#include "computer_player.h"
#include "game_driver.h"

#include "commitment.h"
#include "move.h"
#include "range.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace vintrel {
namespace {

using testing::GameDriver;

constexpr std::uint32_t FixedSeeds[] = {11, 23, 37, 41, 53};
constexpr long ActionsPerSeed = 20'000;
constexpr double PlaySeconds = 240, ShrinkSeconds = 120;
constexpr std::size_t ActionsReported = 50;
// A shrunk list longer than this is shown by its end only.
constexpr std::size_t ActionsListedWhole = 200;

using Clock = std::chrono::steady_clock;

Clock::time_point After(double seconds) {
    return Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

// ------------------------------------------------------------------ actions

enum class Kind : std::uint8_t {
    Click,           // press and release on one diamond
    DoubleClick,     // the same twice in quick succession
    Drag,            // press on a diamond, release over a cell or anywhere else
    DragAcrossItem,  // the same, choosing a menu item by keyboard while the man is held
    Interrupt,       // a move, then a menu item while the computer thinks of its reply
    Item,            // a menu item of the shown window
    Button,          // a button of the shown window
};

enum class Item : std::uint8_t {
    Reset, TakeBack, OtherView, Switch, NoHelp, About, Rules,
    TwoPlayers, ComputerBlue, ComputerRed, ComputerBoth, Easy, Medium, Hard, Hint,
};
enum class ButtonId : std::uint8_t { ShowCom, Reset, HideRules, OkAbout };

// Plain data, so that a list of actions plays the same way every time.
struct Action {
    Kind kind = Kind::Click;
    Cell from = NoCell;
    Cell to = NoCell;  // released over this cell's centre ...
    QPoint point{};    // ... or, with `to` NoCell, at this point of the board
    Qt::MouseButton mouse = Qt::LeftButton;
    Item item = Item::NoHelp;
    ButtonId button = ButtonId::ShowCom;
};

const char* NameOf(Item item, const BoardWindow* shown) {
    switch (item) {
        case Item::Reset: return "mnuReset";
        case Item::TakeBack: return "mnuUnmove";
        case Item::OtherView: return shown ? shown->view().otherViewItem.name : "mnuBlue/mnuRed";
        case Item::Switch: return "mnuSwitch";
        case Item::NoHelp: return "mnuno";
        case Item::About: return "mnuabout";
        case Item::Rules: return "mnuRules";
        case Item::TwoPlayers: return "mnuTwoPlayers";
        case Item::ComputerBlue: return "mnuComputerBlue";
        case Item::ComputerRed: return "mnuComputerRed";
        case Item::ComputerBoth: return "mnuComputerBoth";
        case Item::Easy: return "mnuEasy";
        case Item::Medium: return "mnuMedium";
        case Item::Hard: return "mnuHard";
        case Item::Hint: return "mnuHint";
    }
    return "?";
}

const char* NameOf(ButtonId button) {
    switch (button) {
        case ButtonId::ShowCom: return "cmdShowCom";
        case ButtonId::Reset: return "cmdReset";
        case ButtonId::HideRules: return "cmdHideRules";
        case ButtonId::OkAbout: return "cmdokabout(1)";
    }
    return "?";
}

const char* NameOf(Qt::MouseButton mouse) {
    switch (mouse) {
        case Qt::LeftButton: return "left";
        case Qt::RightButton: return "right";
        case Qt::MiddleButton: return "middle";
        default: return "other";
    }
}

std::string Describe(const Action& action) {
    std::ostringstream out;
    const auto release = [&] {
        if (action.to != NoCell) return std::to_string(action.to);
        return "point (" + std::to_string(action.point.x()) + ", " + std::to_string(action.point.y()) + ")";
    };
    switch (action.kind) {
        case Kind::Click: out << "click " << action.from; break;
        case Kind::DoubleClick: out << "double-click " << action.from; break;
        case Kind::Drag: out << "drag " << action.from << " -> " << release(); break;
        case Kind::DragAcrossItem:
            out << "drag " << action.from << " -> " << release() << ", choosing "
                << NameOf(action.item, nullptr) << " while holding the man";
            break;
        case Kind::Interrupt:
            out << "drag " << action.from << " -> " << release() << ", then "
                << NameOf(action.item, nullptr) << " while the computer thinks";
            break;
        case Kind::Item: return std::string("menu ") + NameOf(action.item, nullptr);
        case Kind::Button: return std::string("button ") + NameOf(action.button);
    }
    out << " (" << NameOf(action.mouse) << ")";
    return out.str();
}

// ------------------------------------------------------- what is observed

struct WindowSnapshot {
    Position position{};
    bool takeBackEnabled = false;
    CellSet hidden;
};

struct Snapshot {
    const BoardWindow* shown = nullptr;
    Side turnRecord = Side::Red;
    CommitmentRecord com;
    std::vector<PlayedMove> moves;
    WindowSnapshot red, blue;

    const WindowSnapshot& of(const BoardWindow& window) const {
        return window.view().turnedHalfRound ? blue : red;
    }
};

WindowSnapshot SnapshotOf(BoardWindow& window) {
    return {window.position(), GameDriver::action(window, "mnuUnmove").isEnabled(), window.hiddenCells()};
}

Snapshot SnapshotOf(GameDriver& game) {
    const Game& played = game.gameState();
    return {game.views().shown(), played.toMove(), played.commitments(), played.moves(), SnapshotOf(game.red()),
            SnapshotOf(game.blue())};
}

// What a player or a later move could notice; the drag bookkeeping is
// left out.
void CompareWindows(const char* name, const WindowSnapshot& a, const WindowSnapshot& b,
                    std::ostringstream& out) {
    if (a.position != b.position) out << name << " position; ";
    if (a.takeBackEnabled != b.takeBackEnabled) out << name << " mnuUnmove; ";
    if (a.hidden != b.hidden) out << name << " hidden cells; ";
}

std::string Differences(const Snapshot& a, const Snapshot& b) {
    std::ostringstream out;
    if (a.shown != b.shown) out << "shown view; ";
    if (a.turnRecord != b.turnRecord) out << "side to move; ";
    if (!(a.com == b.com)) out << "commitment record; ";
    if (a.moves != b.moves) out << "moves of the game; ";
    CompareWindows("red view", a.red, b.red, out);
    CompareWindows("blue view", a.blue, b.blue, out);
    return out.str();
}

struct Fault {
    std::string kind;  // shrinking keeps a list only while it fails this way
    std::string detail;
};

using Verdict = std::optional<Fault>;

Verdict FaultIf(bool failed, const char* kind, const std::string& detail) {
    if (!failed) return {};
    return Fault{kind, detail};
}

std::string Text(const QString& text) { return '"' + text.toStdString() + '"'; }

QString MessageOf(BoardWindow& window) {
    QLabel& info = GameDriver::label(window, "lblInfo");
    return info.isHidden() ? QString() : info.text();
}

const char* RefusalText(DropOutcome outcome) {
    switch (outcome) {
        case DropOutcome::OwnMan: return "YOU MAY NOT LAND ON YOUR OWN MAN";
        case DropOutcome::NotPermitted: return "MOVE NOT PERMITTED!!";
        case DropOutcome::MustCapture: return "YOU ARE COMMITTED TO CAPTURE";
        default: return "";
    }
}

bool IsCovered(const CellBox& cell) {
    // A press where a button stands over the diamond lands on the button.
    QWidget* board = cell.parentWidget();
    return board->childAt(cell.geometry().center()) != &cell;
}

// ----------------------------------------------------------- invariants

bool HasAcceptedMove(const Position& position, Side mover, const CommitmentRecord& com) {
    return !StandingMoves(position, mover, com).empty();
}

bool IsWon(const Position& position) {
    return position[WinningCell(Side::Red)] == Occupant::RedMan ||
           position[WinningCell(Side::Blue)] == Occupant::BlueMan || !HasManOf(position, Side::Red) ||
           !HasManOf(position, Side::Blue);
}

bool PictureFits(const CellBox& cell, const ViewTable& view) {
    const std::optional<Picture> picture = cell.picture();
    if (!picture) return false;
    switch (cell.occupant()) {
        case Occupant::RedMan: return picture == view.redMan || picture == view.redManCommitted;
        case Occupant::BlueMan: return picture == view.blueMan || picture == view.blueManCommitted;
        case Occupant::Empty: return picture == Picture::Blank;
    }
    return false;
}

Verdict CheckCells(const BoardWindow& window) {
    int men[2] = {0, 0};
    for (Cell i = 0; i < CellCount; ++i) {
        const CellBox& cell = window.cell(i);
        const QString& tag = cell.tag();
        if (tag != "H1" && tag != "H3" && !tag.isEmpty())
            return Fault{"cells", std::string(window.view().formName) + " cell " + std::to_string(i) +
                                      " has the tag " + Text(tag)};
        if (!PictureFits(cell, window.view()))
            return Fault{"cells", std::string(window.view().formName) + " cell " + std::to_string(i) +
                                      " shows a picture that does not fit its tag " + Text(tag)};
        if (cell.occupant() != Occupant::Empty) ++men[int(SideOf(cell.occupant()))];
    }
    return FaultIf(men[0] > 13 || men[1] > 13, "cells",
                   std::string(window.view().formName) + " holds " + std::to_string(men[0]) +
                       " red and " + std::to_string(men[1]) + " blue men");
}

int EnabledCells(const BoardWindow& window) {
    int enabled = 0;
    for (Cell i = 0; i < CellCount; ++i) enabled += window.cell(i).isEnabled();
    return enabled;
}

Verdict CheckGameEnd(BoardWindow& shown, Side toMove) {
    const int enabled = EnabledCells(shown);
    if (enabled != 0 && enabled != CellCount)
        return Fault{"game over", std::to_string(enabled) + " of the cells are enabled"};
    const bool over = enabled == 0;
    const Position position = shown.position();
    if (over != IsWon(position))
        return Fault{"game over", over ? "cells disabled in a game nobody has won"
                                       : "a won game goes on"};
    const bool noticeShown = GameDriver::isShown(GameDriver::label(shown, "lblOVER")) &&
                             GameDriver::isShown(GameDriver::button(shown, "cmdReset"));
    if (over != noticeShown) return Fault{"game over", "GAME OVER!! and RESET do not match the game"};
    if (over) {
        for (const char* item : {"mnuUnmove", "mnuSwitch", shown.view().otherViewItem.name})
            if (GameDriver::action(shown, item).isEnabled())
                return Fault{"game over", std::string(item) + " is enabled after the game ended"};
        return {};
    }
    return FaultIf(!HasAcceptedMove(position, toMove, shown.game().commitments()), "deadlock",
                   std::string(toMove == Side::Red ? "red" : "blue") +
                       " is to move and no move of his would stand");
}

Verdict CheckAfterSwitch(const BoardWindow& shown, const BoardWindow& previous, Side toMove) {
    const Position position = shown.position();
    if (position != previous.position())
        return Fault{"switch", "the view now shown does not hold the game of the view before"};
    const Cell now = ObligationOf(shown.game().commitments(), position, toMove);
    const Cell before = ObligationOf(previous.game().commitments(), position, toMove);
    return FaultIf(now != before, "switch",
                   "the man to be captured was on " + std::to_string(before) + " and is now on " +
                       std::to_string(now));
}

CellSet CommittedCells(const CommitmentRecord& com) {
    CellSet cells;
    if (com.H1Com && IsOnBoard(com.H1ComCell)) cells.set(com.H1ComCell);
    if (com.H3Com && IsOnBoard(com.H3ComCell)) cells.set(com.H3ComCell);
    return cells;
}

// Both views draw the one game; the one on screen hides no diamond, the
// other keeps the committed men marked for its next activation.
Verdict CheckDrawsTheGame(GameDriver& game, const BoardWindow& shown) {
    const Game& played = game.gameState();
    for (const BoardWindow* window : {&game.red(), &game.blue()}) {
        const std::string name = window->view().formName;
        if (window->position() != played.position()) return Fault{"views", name + " does not draw the game"};
        const CellSet markers = window == &shown ? CellSet{} : CommittedCells(played.commitments());
        if (window->hiddenCells() != markers) return Fault{"views", name + " marks the wrong diamonds"};
    }
    return {};
}

Verdict CheckInvariants(GameDriver& game, const Snapshot& before) {
    BoardWindow& red = game.red();
    BoardWindow& blue = game.blue();
    if (red.isVisible() == blue.isVisible())
        return Fault{"views", red.isVisible() ? "both views are shown" : "no view is shown"};
    BoardWindow& shown = red.isVisible() ? red : blue;
    for (const BoardWindow* window : {&red, &blue})
        if (Verdict fault = CheckCells(*window)) return fault;
    if (Verdict fault = CheckDrawsTheGame(game, shown)) return fault;
    const Side toMove = game.views().sharedTurnRecord();
    if (shown.game().toMove() != toMove) return Fault{"turn", "Turn differs from the shared turn record"};
    if (red.isDragging() || blue.isDragging()) return Fault{"drag", "a drag outlived its release"};
    if (Verdict fault = CheckGameEnd(shown, toMove)) return fault;
    if (before.shown && before.shown != &shown)
        return CheckAfterSwitch(shown, *before.shown, toMove);
    return {};
}

// --------------------------------------------------------------- playing

struct Tally {
    long actions = 0, moves = 0, wins = 0, refusals = 0, takeBacks = 0, switches = 0, resets = 0;
    long computerMoves = 0, hints = 0, interruptions = 0;
};

// The move last carried out in a window, as a take back must restore it.
struct LastMove {
    const BoardWindow* window = nullptr;
    Side mover = Side::Red;
    Position before{};
    CommitmentRecord com;
};

// Plays actions on one game and judges each against the rules.
class Monkey {
public:
    GameDriver& game() { return game_; }
    const Tally& tally() const { return tally_; }

    Verdict perform(const Action& action);

private:
    Verdict act(const Action& action);
    Verdict mouse(const Action& action);
    Verdict press(BoardWindow& window, CellBox& source, Qt::MouseButton mouse, bool& pickedUp);
    Verdict carryAndDrop(BoardWindow& window, CellBox& source, const Action& action);
    Verdict doubleClick(const Action& action);
    Verdict judgePress(BoardWindow& window, Occupant pressed, const Snapshot& before);
    Verdict judgeDrop(BoardWindow& window, Cell from, std::optional<Cell> target, bool switchOn,
                      const Snapshot& held);
    Verdict judgeMove(BoardWindow& window, Cell from, Cell to, bool switchOn, const Snapshot& held);
    // The item's verdict; `chosen` tells whether it was enabled.
    Verdict choose(Item item, bool& chosen);
    Verdict click(ButtonId button);
    Verdict judgeTakeBack(BoardWindow& window);
    Verdict judgeReset(bool inBlueView);
    Verdict judgePlayers(const BoardWindow& shownBefore);
    Verdict interrupt(const Action& action);
    // Lets the computer think and move until it waits on the player.
    Verdict settle();
    Verdict judgeComputerMove(const Snapshot& held);
    bool isComputers(Side side) const { return computer_.plays(side); }

    // Searches kept small and glides of no time, so that a hundred
    // thousand actions stay quick; both are repeatable all the same.
    GameDriver game_{ProgramOptions{.seed = 1, .glide = false, .computerPauseMs = 0, .nodeCap = 1500}};
    ComputerPlayer& computer_ = game_.computer();
    Tally tally_;
    LastMove lastMove_;
    // The move before the last, which a take back against the computer
    // takes back together with the computer's reply.
    LastMove earlierMove_;
    std::optional<std::pair<Cell, Cell>> moveLanded_;

public:
    Monkey();
};

Monkey::Monkey() {
    QObject::connect(&game_.model(), &GameModel::moved,
                     [this](Side, const PlayedMove& move) { moveLanded_ = std::pair(move.from, move.to); });
}

// Paint now and then, as an idle event loop would.
constexpr long PaintEvery = 64;
// With no rule for a draw, a game the computer plays alone may go round
// for ever, each side guarding the diamond the other needs; the monkey
// takes a hand after this many of its moves, as a watcher would.
constexpr long AloneMovesWatched = 300;

Verdict Monkey::perform(const Action& action) {
    try {
        const Snapshot before = SnapshotOf(game_);
        moveLanded_.reset();
        if (Verdict fault = act(action)) return fault;
        if (game_.views().shown() != before.shown) ++tally_.switches;
        if (Verdict fault = CheckInvariants(game_, before)) return fault;
        if (Verdict fault = settle()) return fault;
        if (++tally_.actions % PaintEvery == 0) QCoreApplication::processEvents();
        return {};
    } catch (const std::exception& error) {
        return Fault{"exception", error.what()};
    }
}

Verdict Monkey::settle() {
    QTimer waker;
    waker.start(100);
    Clock::time_point stuckAfter = After(60);
    long aloneMoves = 0;
    QCoreApplication::sendPostedEvents();  // the computer takes the game in
    for (;;) {
        const Snapshot before = SnapshotOf(game_);
        BoardWindow* shown = game_.views().shown();
        const bool over = !shown || !shown->cell(0).isEnabled();
        if (!computer_.isBusy()) {
            // Playing both sides, the computer takes in the game its own
            // move left it at the next pass of the events.
            QCoreApplication::sendPostedEvents();
            if (computer_.isBusy()) continue;
            return FaultIf(!over && isComputers(before.turnRecord), "computer",
                           "the computer is to move and neither thinks nor moves");
        }
        moveLanded_.reset();
        if (Clock::now() > stuckAfter)
            return Fault{"computer", "the computer stayed busy for a minute without moving"};
        // Until the computer's answer or its glide comes in, or the waker's
        // tick: a wake-up lost to a race, or a computer that never answers,
        // must end in a check, not in a wait with no end.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents();
        if (moveLanded_) {
            stuckAfter = After(60);
            if (Verdict fault = judgeComputerMove(before)) return fault;
            if (computer_.playsBoth() && ++aloneMoves == AloneMovesWatched) {
                bool chosen = false;
                if (Verdict fault = choose(Item::TwoPlayers, chosen)) return fault;
            }
        } else if (game_.views().shown() == before.shown) {
            // A thought or a hint changes nothing; only a move or the
            // player's view coming up does.
            const std::string changed = Differences(before, SnapshotOf(game_));
            if (!changed.empty()) return Fault{"computer", "the computer changed " + changed + " without a move"};
        }
        if (Verdict fault = CheckInvariants(game_, before)) return fault;
        if (game_.views().shown() != before.shown) ++tally_.switches;
    }
}

Verdict Monkey::judgeComputerMove(const Snapshot& held) {
    ++tally_.computerMoves;
    const auto [from, to] = *moveLanded_;
    if (!isComputers(held.turnRecord))
        return Fault{"computer", "a computer's move landed while the player was to move"};
    // The computer moves in the view on screen.
    return judgeMove(const_cast<BoardWindow&>(*held.shown), from, to, false, held);
}

Verdict Monkey::interrupt(const Action& action) {
    Action move = action;
    move.kind = Kind::Drag;
    if (Verdict fault = mouse(move)) return fault;
    // The computer starts to think; its answer, posted to its thinker,
    // waits until the item has been chosen.
    QCoreApplication::sendPostedEvents(&computer_, QEvent::MetaCall);
    if (!computer_.isBusy()) return {};
    ++tally_.interruptions;
    bool chosen = false;
    return choose(action.item, chosen);
}

Verdict Monkey::act(const Action& action) {
    bool chosen = false;
    switch (action.kind) {
        case Kind::Item: return choose(action.item, chosen);
        case Kind::Button: return click(action.button);
        case Kind::DoubleClick: return doubleClick(action);
        case Kind::Interrupt: return interrupt(action);
        default: return mouse(action);
    }
}

Verdict Monkey::mouse(const Action& action) {
    BoardWindow& window = game_.shown();
    CellBox& source = window.cell(action.from);
    // Qt hands no mouse event to a disabled cell: after a game has ended a
    // press on the board does nothing at all.
    if (!source.isEnabled() || IsCovered(source)) return {};
    bool pickedUp = false;
    if (Verdict fault = press(window, source, action.mouse, pickedUp)) return fault;
    if (!pickedUp) return {};
    return carryAndDrop(window, source, action);
}

Verdict Monkey::press(BoardWindow& window, CellBox& source, Qt::MouseButton mouse, bool& pickedUp) {
    const Snapshot before = SnapshotOf(game_);
    const Occupant pressed = source.occupant();
    const bool mayPickUp = pressed != Occupant::Empty && SideOf(pressed) == before.turnRecord &&
                           !isComputers(SideOf(pressed));
    QTest::mousePress(&source, mouse, {}, source.rect().center());
    pickedUp = window.isDragging();
    if (pickedUp != mayPickUp)
        return Fault{"press", mayPickUp ? "the man of the side to move was not picked up"
                                        : "a press picked up what it may not"};
    if (pickedUp) return {};
    QTest::mouseRelease(&source, mouse, {}, source.rect().center());
    return judgePress(window, pressed, before);
}

Verdict Monkey::carryAndDrop(BoardWindow& window, CellBox& source, const Action& action) {
    QWidget* board = source.parentWidget();
    const QPoint boardPoint = action.to != NoCell ? window.cell(action.to).geometry().center() : action.point;
    const QPoint start = source.rect().center();
    const QPoint end = source.mapFrom(board, boardPoint);
    QTest::mouseMove(&source, (start + end) / 2);
    bool gameChanged = false;
    if (action.kind == Kind::DragAcrossItem) {
        bool chosen = false;
        if (Verdict fault = choose(action.item, chosen)) return fault;
        // A new game or a take back pulls the board from under the man.
        gameChanged = chosen && (action.item == Item::Reset || action.item == Item::TakeBack);
    }
    const Snapshot held = SnapshotOf(game_);
    const bool dropCounts = window.isDragging() && held.shown == &window && !gameChanged;
    const bool switchOn = GameDriver::action(window, "mnuSwitch").isChecked();
    std::optional<Cell> target;
    if (auto* cell = qobject_cast<CellBox*>(board->childAt(boardPoint))) target = cell->index();
    QTest::mouseMove(&source, end);
    QTest::mouseRelease(&source, action.mouse, {}, end);
    if (dropCounts) return judgeDrop(window, action.from, target, switchOn, held);
    const std::string changed = Differences(held, SnapshotOf(game_));
    return FaultIf(!changed.empty(), "late drop",
                   "a man let go after a take back, a reset or a change of view changed " + changed);
}

Verdict Monkey::judgePress(BoardWindow& window, Occupant pressed, const Snapshot& before) {
    const QString expected = pressed == Occupant::Empty ? QString() : QStringLiteral("NOT YOUR TURN");
    if (!expected.isEmpty()) ++tally_.refusals;
    const QString shown = MessageOf(window);
    if (shown != expected) return Fault{"press", "the press showed " + Text(shown) + ", not " + Text(expected)};
    const std::string changed = Differences(before, SnapshotOf(game_));
    return FaultIf(!changed.empty(), "refusal", "a press that picked up nothing changed " + changed);
}

Verdict Monkey::doubleClick(const Action& action) {
    Action click = action;
    click.kind = Kind::Click;
    click.to = action.from;
    if (Verdict fault = mouse(click)) return fault;
    BoardWindow& window = game_.shown();
    CellBox& cell = window.cell(action.from);
    if (!cell.isEnabled() || IsCovered(cell)) return {};
    const Snapshot before = SnapshotOf(game_);
    // Qt turns the second press of a double click into its own event.
    QTest::mouseDClick(&cell, action.mouse, {}, cell.rect().center());
    QTest::mouseRelease(&cell, action.mouse, {}, cell.rect().center());
    const std::string changed = Differences(before, SnapshotOf(game_));
    return FaultIf(!changed.empty(), "double click", "a double click changed " + changed);
}

Verdict Monkey::judgeDrop(BoardWindow& window, Cell from, std::optional<Cell> target, bool switchOn,
                          const Snapshot& held) {
    const Snapshot after = SnapshotOf(game_);
    if (!target) {
        // Released off the diamonds: the drag ends and that is all.
        const std::string changed = Differences(held, after);
        if (!changed.empty()) return Fault{"drop", "a release off the board changed " + changed};
        return FaultIf(!MessageOf(window).isEmpty(), "drop", "a release off the board showed a message");
    }
    const WindowSnapshot& was = held.of(window);
    const DropDecision decision = DecideDrop(was.position, held.turnRecord, held.com, from, *target);
    if (Stands(decision.outcome)) return judgeMove(window, from, *target, switchOn, held);
    if (decision.outcome != DropOutcome::NoChange) ++tally_.refusals;
    const QString expected = QString::fromLatin1(RefusalText(decision.outcome));
    const QString shown = MessageOf(window);
    if (shown != expected)
        return Fault{"refusal", "the drop " + std::to_string(from) + " -> " + std::to_string(*target) +
                                    " showed " + Text(shown) + ", not " + Text(expected)};
    const std::string changed = Differences(held, after);
    if (!changed.empty()) return Fault{"refusal", "a refused drop changed " + changed};
    return FaultIf(decision.outcome == DropOutcome::MustCapture &&
                       !GameDriver::isShown(GameDriver::button(window, "cmdShowCom")),
                   "refusal", "Show Committment is missing after the refusal");
}

Verdict Monkey::judgeMove(BoardWindow& window, Cell from, Cell to, bool switchOn, const Snapshot& held) {
    ++tally_.moves;
    const WindowSnapshot& was = held.of(window);
    const Side mover = held.turnRecord;
    const std::string move = std::to_string(from) + " -> " + std::to_string(to);
    if (window.position() != AfterMove(was.position, from, to))
        return Fault{"move", "the board after " + move + " is not the board the move makes"};
    if (!MessageOf(window).isEmpty()) return Fault{"move", "the move " + move + " showed a message"};
    const DropOutcome outcome = DecideDrop(was.position, mover, held.com, from, to).outcome;
    if (outcome != DropOutcome::Moved) {
        ++tally_.wins;
        return FaultIf(game_.views().sharedTurnRecord() != mover || game_.views().shown() != &window,
                       "move", "the winning move " + move + " passed the turn or left the view");
    }
    if (game_.views().sharedTurnRecord() != Opponent(mover) || window.game().toMove() != Opponent(mover))
        return Fault{"move", "the move " + move + " did not pass the turn"};
    BoardWindow& expectedShown = switchOn ? game_.views().twinOf(window) : window;
    if (game_.views().shown() != &expectedShown)
        return Fault{"move", "after " + move + " the wrong view is shown"};
    if (window.game().moves().back() != PlayedMove{from, to, was.position[to] != Occupant::Empty})
        return Fault{"move", "the game's last move is not the move " + move};
    earlierMove_ = lastMove_.window == &window && was.takeBackEnabled ? lastMove_ : LastMove{};
    lastMove_ = {&window, mover, was.position, held.com};
    return {};
}

Verdict Monkey::choose(Item item, bool& chosen) {
    BoardWindow& window = game_.shown();
    QAction& action = GameDriver::action(window, NameOf(item, &window));
    chosen = action.isEnabled();
    // A disabled item cannot be chosen; a player's click does nothing.
    if (!chosen) return {};
    const bool switchWasOn = GameDriver::action(window, "mnuSwitch").isChecked();
    action.trigger();
    switch (item) {
        case Item::TakeBack: return judgeTakeBack(window);
        case Item::Reset: return judgeReset(window.view().turnedHalfRound);
        case Item::Switch: {
            const bool red = GameDriver::action(game_.red(), "mnuSwitch").isChecked();
            const bool blue = GameDriver::action(game_.blue(), "mnuSwitch").isChecked();
            return FaultIf(red == switchWasOn || blue == switchWasOn, "switch",
                           "Switch Automatically did not toggle in both views");
        }
        case Item::TwoPlayers:
        case Item::ComputerBlue:
        case Item::ComputerRed:
        case Item::ComputerBoth: return judgePlayers(window);
        case Item::Hint: ++tally_.hints; return {};
        default: return {};
    }
}

Verdict Monkey::click(ButtonId id) {
    BoardWindow& window = game_.shown();
    QPushButton& button = GameDriver::button(window, NameOf(id));
    // A player cannot click a hidden button.
    if (button.isHidden()) return {};
    QTest::mouseClick(&button, Qt::LeftButton);
    if (id == ButtonId::Reset) return judgeReset(window.view().turnedHalfRound);
    return {};
}

Verdict Monkey::judgeTakeBack(BoardWindow& window) {
    ++tally_.takeBacks;
    if (lastMove_.window != &window) return Fault{"take back", "offered with no move of this view to undo"};
    LastMove last = std::exchange(lastMove_, LastMove{});
    // Against the computer its reply goes back with the move it answered.
    if (isComputers(last.mover) && earlierMove_.window == &window) last = earlierMove_;
    earlierMove_ = LastMove{};
    if (window.position() != last.before) return Fault{"take back", "the board is not the board before the move"};
    if (window.game().toMove() != last.mover || game_.views().sharedTurnRecord() != last.mover)
        return Fault{"take back", "the turn did not go back to the side that moved"};
    if (!(window.game().commitments() == last.com)) return Fault{"take back", "the commitment record was not restored"};
    return FaultIf(GameDriver::action(window, "mnuUnmove").isEnabled(), "take back",
                   "a second take back is offered");
}

Verdict Monkey::judgePlayers(const BoardWindow& shownBefore) {
    BoardWindow& shown = game_.shown();
    const bool over = !shown.cell(0).isEnabled();
    if (!computer_.playsAny())
        return FaultIf(GameDriver::action(shown, "mnuSwitch").isEnabled() == over, "players",
                       "Switch Automatically is not back after Two Players");
    for (BoardWindow* window : {&game_.red(), &game_.blue()}) {
        const QAction& item = GameDriver::action(*window, "mnuSwitch");
        if (item.isChecked() || item.isEnabled())
            return Fault{"players", "Switch Automatically is on against the computer"};
    }
    if (computer_.playsBoth())
        return FaultIf(&shown != &shownBefore, "players", "the view on screen changed for the computer alone");
    const bool playersView = shown.view().turnedHalfRound == isComputers(Side::Red);
    return FaultIf(!over && !playersView, "players", "the player's own view is not shown");
}

Verdict Monkey::judgeReset(bool inBlueView) {
    ++tally_.resets;
    lastMove_ = earlierMove_ = LastMove{};
    // Against the computer the switch stays off.
    const bool switchOn = !computer_.playsAny();
    BoardWindow& red = game_.red();
    BoardWindow& blue = game_.blue();
    if (game_.views().shown() != &red) return Fault{"reset", "the new game is not in the red view"};
    if (red.position() != StartingPosition() || game_.views().sharedTurnRecord() != Side::Red ||
        red.game().toMove() != Side::Red)
        return Fault{"reset", "the red view does not hold a new game, red to move"};
    if (blue.hiddenCells().any()) return Fault{"reset", "a commitment marker is left in the blue view"};
    if (GameDriver::action(red, "mnuSwitch").isChecked() != switchOn || GameDriver::action(red, "mnuUnmove").isEnabled())
        return Fault{"reset", "the red view's menus are not those of a new game"};
    if (!inBlueView) return {};
    if (blue.position() != StartingPosition() || GameDriver::action(blue, "mnuSwitch").isChecked() != switchOn)
        return Fault{"reset", "the re-created blue view is not new"};
    for (BoardWindow* window : {&red, &blue})
        for (const char* panel : {"lblRules", "lblabout", "lblOVER", "lblInfo"})
            if (GameDriver::isShown(GameDriver::label(*window, panel)))
                return Fault{"reset", std::string(panel) + " is open in a re-created view"};
    return {};
}

// ------------------------------------------------------------ generating

// Chooses the next action from the game as it stands, so that most drags
// pick up a man that may move and many land where the move stands.
class ActionSource {
public:
    explicit ActionSource(std::uint32_t seed) : random_(seed) {}
    Action next(GameDriver& game);

private:
    // Plain modulo: mt19937's output is the same everywhere, unlike the
    // standard distributions.
    int below(int n) { return int(random_() % std::uint32_t(n)); }
    bool percent(int p) { return below(100) < p; }
    Cell anyCell() { return Cell(below(CellCount)); }
    Qt::MouseButton anyMouseButton();
    Item anyItem();
    Cell manOf(const Position& position, Side side);
    Action gameMove(const BoardWindow& shown, Side toMove, Kind kind);
    Action strayDrag(const BoardWindow& shown, Side toMove);
    Action anyButton(BoardWindow& shown);
    Action newGame(BoardWindow& shown);

    std::mt19937 random_;
};

Qt::MouseButton ActionSource::anyMouseButton() {
    const int roll = below(100);
    return roll < 80 ? Qt::LeftButton : roll < 95 ? Qt::RightButton : Qt::MiddleButton;
}

Item ActionSource::anyItem() {
    static constexpr std::pair<Item, int> Weights[] = {
        {Item::TakeBack, 24},  {Item::OtherView, 22},   {Item::Switch, 18},     {Item::Rules, 12},
        {Item::About, 10},     {Item::NoHelp, 6},       {Item::Reset, 1},       {Item::TwoPlayers, 4},
        {Item::ComputerBlue, 2}, {Item::ComputerRed, 2}, {Item::ComputerBoth, 2}, {Item::Easy, 2},
        {Item::Medium, 2},     {Item::Hard, 1},         {Item::Hint, 4},
    };
    int roll = below(112);
    for (const auto& [item, weight] : Weights) {
        if (roll < weight) return item;
        roll -= weight;
    }
    return Item::NoHelp;
}

Cell ActionSource::manOf(const Position& position, Side side) {
    std::vector<Cell> men;
    for (Cell i = 0; i < CellCount; ++i)
        if (position[i] == ManOf(side)) men.push_back(i);
    return men.empty() ? anyCell() : men[below(int(men.size()))];
}

// Steps along the grid from `cell` to the diamond where `side` wins.
int DistanceToGoal(Side side, Cell cell) {
    const Cell goal = WinningCell(side);
    return std::abs(RowOf(cell) - RowOf(goal)) + std::abs(ColumnOf(cell) - ColumnOf(goal));
}

Action ActionSource::gameMove(const BoardWindow& shown, Side toMove, Kind kind) {
    const std::vector<Move> all = StandingMoves(shown.position(), toMove, shown.game().commitments());
    std::vector<Move> captures, wins, strides;
    for (const Move& move : all) {
        if (move.decision.outcome != DropOutcome::Moved) wins.push_back(move);
        if (move.decision.captures) captures.push_back(move);
        if (DistanceToGoal(toMove, move.from) - DistanceToGoal(toMove, move.to) >= 3) strides.push_back(move);
    }
    if (all.empty()) return strayDrag(shown, toMove);
    // Winning, capturing and striding ahead often, so that games end and
    // start again.
    const std::vector<Move>& pool = !wins.empty() && percent(60)        ? wins
                                         : !captures.empty() && percent(70) ? captures
                                         : !strides.empty() && percent(50)  ? strides
                                                                            : all;
    const Move& chosen = pool[below(int(pool.size()))];
    Action action{.kind = kind, .from = chosen.from, .to = chosen.to, .mouse = anyMouseButton()};
    if (kind == Kind::DragAcrossItem || kind == Kind::Interrupt) action.item = anyItem();
    return action;
}

Action ActionSource::strayDrag(const BoardWindow& shown, Side toMove) {
    const Position position = shown.position();
    const int roll = below(100);
    const Cell from = roll < 60 ? manOf(position, toMove) : roll < 80 ? manOf(position, Opponent(toMove)) : anyCell();
    Action action{.kind = Kind::Drag, .from = from, .to = anyCell(), .mouse = anyMouseButton()};
    if (percent(25)) {
        // Anywhere at all: off the diamonds, off the board, off the window.
        action.to = NoCell;
        const QSize board = shown.centralWidget()->size();
        action.point = percent(10) ? QPoint(-50, 900)
                                   : QPoint(below(board.width() + 200) - 100, below(board.height() + 200) - 100);
    }
    return action;
}

Action ActionSource::anyButton(BoardWindow& shown) {
    std::vector<ButtonId> visible;
    for (ButtonId id : {ButtonId::ShowCom, ButtonId::Reset, ButtonId::HideRules, ButtonId::OkAbout})
        if (GameDriver::isShown(GameDriver::button(shown, NameOf(id))))
            visible.push_back(id);
    if (visible.empty()) return {.kind = Kind::Item, .item = anyItem()};
    return {.kind = Kind::Button, .button = visible[below(int(visible.size()))]};
}

Action ActionSource::newGame(BoardWindow& shown) {
    // A game the computer plays alone runs to its end at once: the monkey
    // mostly takes a hand again, so that such games do not fill the run.
    if (GameDriver::action(shown, "mnuComputerBoth").isChecked() && percent(75))
        return {.kind = Kind::Item, .item = percent(50) ? Item::TwoPlayers : Item::ComputerBlue};
    if (GameDriver::isShown(GameDriver::button(shown, "cmdReset")) && percent(60))
        return {.kind = Kind::Button, .button = ButtonId::Reset};
    return {.kind = Kind::Item, .item = Item::Reset};
}

Action ActionSource::next(GameDriver& game) {
    BoardWindow& shown = game.shown();
    const Side toMove = game.views().sharedTurnRecord();
    if (!shown.cell(0).isEnabled() && percent(40)) return newGame(shown);
    const int roll = below(100);
    if (roll < 42) return gameMove(shown, toMove, Kind::Drag);
    if (roll < 58) return strayDrag(shown, toMove);
    if (roll < 66) {
        const Cell cell = anyCell();
        return {.kind = roll < 64 ? Kind::Click : Kind::DoubleClick, .from = cell, .to = cell,
                .mouse = anyMouseButton()};
    }
    if (roll < 80) return {.kind = Kind::Item, .item = anyItem()};
    if (roll < 93) return anyButton(shown);
    return gameMove(shown, toMove, roll < 97 ? Kind::DragAcrossItem : Kind::Interrupt);
}

// ------------------------------------------------------------- watchdog

void Print(const std::string& text) {
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
}

// A run that hangs would end only at the test's timeout, which tells
// nothing of where. Told of each step begun, the watchdog names the one
// that has not ended in five minutes, far beyond any step's due, and
// stops the run.
class Watchdog {
public:
    Watchdog() : thread_([this] { watch(); }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        woken_.notify_one();
        thread_.join();
    }

    void begin(std::string step) {
        const std::lock_guard lock(mutex_);
        step_ = std::move(step);
        since_ = Clock::now();
    }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        while (!woken_.wait_for(lock, std::chrono::seconds(5), [this] { return done_; })) {
            if (Clock::now() - since_ < std::chrono::minutes(5)) continue;
            Print("monkey: stuck for five minutes at " + step_ + "\n");
            std::abort();
        }
    }

    std::mutex mutex_;
    std::condition_variable woken_;
    bool done_ = false;
    std::string step_ = "the start";
    Clock::time_point since_ = Clock::now();
    std::thread thread_;  // last, so that it starts once the rest is made
};

Watchdog watchdog;

// ------------------------------------------------------------- shrinking

// No fault when `deadline` comes first.
Verdict Replay(const std::vector<Action>& actions, Clock::time_point deadline = Clock::time_point::max()) {
    Monkey monkey;
    for (const Action& action : actions) {
        if (Clock::now() >= deadline) return {};
        watchdog.begin("replaying " + Describe(action));
        if (Verdict fault = monkey.perform(action)) return fault;
    }
    return {};
}

// Shrinks a failing list while it keeps failing the same way, until it
// can shrink no more, has replayed its budget of lists, or its deadline
// has passed.
class Shrinker {
public:
    Shrinker(std::string kind, Clock::time_point deadline) : kind_(std::move(kind)), deadline_(deadline) {}

    std::vector<Action> shrink(std::vector<Action> actions) {
        keepFailingTail(actions);
        // Delta debugging: ever smaller chunks, side by side ...
        for (std::size_t chunk = (actions.size() + 1) / 2; chunk > 1; chunk = (chunk + 1) / 2)
            dropChunks(actions, chunk, chunk);
        // ... then single actions and pairs at every offset, since a pair
        // such as two toggles of one menu item often goes only together.
        while (!exhausted() && (dropChunks(actions, 1, 1) | dropChunks(actions, 2, 1))) {
        }
        return actions;
    }

    bool exhausted() const { return budget_ <= 0 || Clock::now() >= deadline_; }

private:
    bool fails(const std::vector<Action>& candidate) {
        if (exhausted()) return false;
        --budget_;
        const Verdict fault = Replay(candidate, deadline_);
        return fault && fault->kind == kind_;
    }

    // Most faults need only the last few actions of a long run.
    void keepFailingTail(std::vector<Action>& actions) {
        for (std::size_t tail = 1; tail < actions.size(); tail *= 2) {
            std::vector<Action> last(actions.end() - long(tail), actions.end());
            if (fails(last)) {
                actions = std::move(last);
                return;
            }
        }
    }

    bool dropChunks(std::vector<Action>& actions, std::size_t chunk, std::size_t stride) {
        bool dropped = false;
        for (std::size_t start = 0; start + chunk <= actions.size() && !exhausted();) {
            std::vector<Action> candidate = actions;
            candidate.erase(candidate.begin() + long(start), candidate.begin() + long(start + chunk));
            if (!candidate.empty() && fails(candidate)) {
                actions = std::move(candidate);
                dropped = true;
            } else {
                start += stride;
            }
        }
        return dropped;
    }

    std::string kind_;
    Clock::time_point deadline_;
    long budget_ = 4000;
};

void ListActions(std::ostringstream& out, const std::vector<Action>& actions, std::size_t first) {
    for (std::size_t i = first; i < actions.size(); ++i) out << "    " << i + 1 << ". " << Describe(actions[i]) << "\n";
}

// Printed the moment the fault is found, before any shrinking: the run
// again, the fault, and the actions that led to it.
std::string FailedRun(std::uint32_t seed, const std::vector<Action>& played, const Fault& fault, double seconds) {
    std::ostringstream out;
    out << "monkey seed " << seed << " failed at action " << played.size() << " after " << seconds << " s: ["
        << fault.kind << "] " << fault.detail << "\n  again: VINTREL_MONKEY_SEED=" << seed
        << " VINTREL_MONKEY_ACTIONS=" << played.size() << "\n  the last " << std::min(played.size(), ActionsReported)
        << " actions:\n";
    ListActions(out, played, played.size() - std::min(played.size(), ActionsReported));
    return out.str();
}

std::string ShortestRun(const std::vector<Action>& played, const Fault& fault, Clock::time_point deadline) {
    Shrinker shrinker(fault.kind, deadline);
    const std::vector<Action> shortest = shrinker.shrink(played);
    std::ostringstream out;
    out << "  shortest list that still fails, " << shortest.size() << " actions from a new game";
    if (shrinker.exhausted()) {
        // Every list kept failed when it was tried; replaying it once more
        // would spend the time that has run out.
        out << ", the shortest found before shrinking ran out of time";
    } else {
        const Verdict again = Replay(shortest);
        out << (again ? ", with [" + again->kind + "] " + again->detail : std::string(", (did not fail again)"));
    }
    if (shortest.size() > ActionsListedWhole) {
        out << "; too many to list, the last " << ActionsReported << ":\n";
        ListActions(out, shortest, shortest.size() - ActionsReported);
    } else {
        out << ":\n";
        ListActions(out, shortest, 0);
    }
    return out.str();
}


// ------------------------------------------------------------------ plan

std::optional<double> EnvironmentNumber(const char* name) {
    bool ok = false;
    const double value = qEnvironmentVariable(name).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

struct Plan {
    std::vector<std::uint32_t> seeds;
    long actionsPerSeed = ActionsPerSeed;
    double playSeconds = PlaySeconds;
    double shrinkSeconds = ShrinkSeconds;
    bool trace = false;
};

Plan PlanFromEnvironment() {
    Plan plan;
    if (const auto seed = EnvironmentNumber("VINTREL_MONKEY_SEED"))
        plan.seeds = {std::uint32_t(*seed)};
    else
        plan.seeds.assign(std::begin(FixedSeeds), std::end(FixedSeeds));
    if (const auto actions = EnvironmentNumber("VINTREL_MONKEY_ACTIONS"))
        plan.actionsPerSeed = long(*actions);
    else if (const auto scale = EnvironmentNumber("VINTREL_MONKEY_SCALE"))
        plan.actionsPerSeed = std::max(1L, long(ActionsPerSeed * *scale));
    plan.playSeconds = EnvironmentNumber("VINTREL_MONKEY_SECONDS").value_or(PlaySeconds);
    plan.shrinkSeconds = EnvironmentNumber("VINTREL_MONKEY_SHRINK_SECONDS").value_or(ShrinkSeconds);
    plan.trace = qEnvironmentVariableIntValue("VINTREL_MONKEY_TRACE") != 0;
    return plan;
}

// Every run ends the program, by Exit or by the close box, with a panel
// open now and then.
void EndProgram(Monkey& monkey, std::uint32_t seed) {
    GameDriver& game = monkey.game();
    QSignalSpy ended(&game.views(), &ViewPair::programEnded);
    if (seed % 3 == 0) game.trigger("mnuabout");
    if (seed % 2 == 0)
        game.trigger("mnuExit");
    else
        game.shown().close();
    EXPECT_EQ(ended.count(), 1) << "seed " << seed;
    EXPECT_EQ(game.views().shown(), nullptr) << "seed " << seed;
}

struct FailedSeed {
    std::vector<Action> played;
    Fault fault;
};

// Plays until the action budget or `deadline`, whichever comes first.
std::optional<FailedSeed> PlaySeed(std::uint32_t seed, const Plan& plan, Clock::time_point deadline) {
    const Clock::time_point start = Clock::now();
    Monkey monkey;
    ActionSource source(seed);
    std::vector<Action> played;
    played.reserve(std::size_t(plan.actionsPerSeed));
    for (long i = 0; i < plan.actionsPerSeed && Clock::now() < deadline; ++i) {
        played.push_back(source.next(monkey.game()));
        const std::string step = "seed " + std::to_string(seed) + " #" + std::to_string(i + 1) + ": " +
                                 Describe(played.back());
        watchdog.begin(step);
        if (plan.trace) Print(step + "\n");
        if (const Verdict fault = monkey.perform(played.back())) {
            Print(FailedRun(seed, played, *fault, std::chrono::duration<double>(Clock::now() - start).count()));
            return FailedSeed{std::move(played), *fault};
        }
    }
    const Tally& tally = monkey.tally();
    std::printf("seed %u: %ld actions, %ld moves (%ld of them the computer's), %ld won games, %ld refusals, "
                "%ld take backs, %ld view changes, %ld resets, %ld hints, %ld thoughts interrupted\n",
                seed, tally.actions, tally.moves, tally.computerMoves, tally.wins, tally.refusals, tally.takeBacks,
                tally.switches, tally.resets, tally.hints, tally.interruptions);
    if (long(played.size()) * 4 < plan.actionsPerSeed)
        std::printf("seed %u: time ran out after %zu of its %ld actions; a busy machine, or a slow build\n", seed,
                    played.size(), plan.actionsPerSeed);
    std::fflush(stdout);
    watchdog.begin("seed " + std::to_string(seed) + ": the program's end");
    EndProgram(monkey, seed);
    return std::nullopt;
}

TEST(Monkey, RandomPlayKeepsTheGameWhole) {
    const Plan plan = PlanFromEnvironment();
    // The seeds share the play time: each has its part of what is left.
    const Clock::time_point playEnd = After(plan.playSeconds);
    std::optional<Clock::time_point> shrinkEnd;
    for (std::size_t i = 0; i < plan.seeds.size(); ++i) {
        const auto share = (playEnd - Clock::now()) / long(plan.seeds.size() - i);
        const std::optional<FailedSeed> failed = PlaySeed(plan.seeds[i], plan, Clock::now() + share);
        if (!failed) continue;
        // One shrinking budget for all the faults found.
        if (!shrinkEnd) shrinkEnd = After(plan.shrinkSeconds);
        const std::string shortest = ShortestRun(failed->played, failed->fault, *shrinkEnd);
        Print(shortest);
        ADD_FAILURE() << "monkey seed " << plan.seeds[i] << " failed: [" << failed->fault.kind << "] "
                      << failed->fault.detail << " (reported above)";
    }
}

}  // namespace
}  // namespace vintrel
