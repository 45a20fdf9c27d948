// One board window. The red view and the blue view are two instances of
// it, told apart only by their view table. It keeps no game of its own: it
// draws the one game and turns a player's gestures into requests to it.
#pragma once

#include "board.h"
#include "board_widgets.h"
#include "game.h"
#include "move.h"
#include "view_table.h"

#include <QMainWindow>

#include <array>
#include <bitset>
#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace vintrel {

class GameModel;
class ViewPair;

using CellSet = std::bitset<CellCount>;

class BoardWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Menu { Options, View, Help };

    BoardWindow(const ViewTable& view, ViewPair& pair, const PictureFiles& pictures);

    const ViewTable& view() const { return view_; }
    // The game this window draws.
    const Game& game() const;
    CellBox& cell(Cell index) const { return *w_.cells[index]; }
    // The position as the cells show it.
    Position position() const;
    bool isLoaded() const { return loaded_; }
    bool isDragging() const { return dragButton_.has_value(); }
    // The game ended in this window: its cells stay disabled until a new one.
    bool hasEnded() const { return !w_.cells[0]->isEnabled(); }
    QWidget* board() const { return w_.board; }

    // The menus and the items other parts drive, as a player chooses them.
    QMenu& menu(Menu which) const { return *menus_[std::size_t(which)]; }
    QAction& resetItem() const { return *mnuReset_; }
    QAction& takeBackItem() const { return *mnuUnmove_; }
    QAction& redoItem() const { return *mnuRedo_; }
    QAction& exitItem() const { return *mnuExit_; }
    QAction& otherViewItem() const { return *otherViewItem_; }
    QAction& switchItem() const { return *mnuSwitch_; }
    // Adds an item named `name` to `which`, before `before` or at the end,
    // that calls `handler` when chosen.
    QAction* addMenuItem(Menu which, const char* name, const QString& text, std::function<void()> handler,
                         QAction* before = nullptr);

    // The paths a player's hands take, open to any other hand that plays:
    // the keys, the computer. A press on a cell does what the mouse's does;
    // a man picked up without the mouse (`Qt::NoButton`) is never let go by
    // a mouse release.
    void pressCell(Cell index, Qt::MouseButton button = Qt::NoButton);
    // The copy of the held man, centred on a point of the board.
    void carryHeldTo(QPointF boardPoint);
    void dropHeldOn(Cell target);
    void putHeldBack();
    Cell heldFrom() const { return isDragging() ? dragFromCell_ : NoCell; }
    QPointF cellCentre(Cell index) const;
    // While barred, no press picks up a man of that side: "NOT YOUR TURN".
    void barPressesFor(Side side, bool barred) { pressesBarred_[std::size_t(side)] = barred; }
    // Lifts the man of the side to move on `from` without a press: nothing
    // else changes. He goes where dropHeldOn() lets him go, or back.
    bool lift(Cell from);
    // Picks him up as a press would, hiding the panels a press hides, though
    // presses may be barred from his side.
    bool pickUp(Cell from);
    // Right after a take back, takes back the move this window made before
    // it, for a hand whose reply goes together with the move it answered.
    bool takeBackEarlierMove();

    // Back to the state of a freshly created window, before its load.
    void restoreCreationState();
    // The red view lays out a new game, or only its own side of one when
    // the game has been replaced already; the blue view takes the game as
    // it stands.
    void Form_Load(bool withNewGame = true);
    void Form_Activate();
    // What the Reset item and button do, the new game itself optional.
    void resetPieces(bool withNewGame);

    // Draws the game's position: every cell, or those whose man changed.
    void drawGame(bool everyCell);
    // Another position of the game has come to be shown: a man held goes
    // back and the messages of the position left go.
    void showBrowsed();
    // Hides the diamonds of the committed men, as a window not on screen
    // keeps them marked for its next activation.
    void drawCommitmentMarkers();
    CellSet hiddenCells() const;
    // The marks the player chose, of the game this window draws: its last
    // move, where the man held may go, the cells' numbers.
    void drawMarkers();
    // An arrow over the board from the centre of `move->from` to that of
    // `move->to`; std::nullopt takes it away.
    void showArrow(std::optional<PlayedMove> move);

    // The window's answer to a move made in it that stood: the take back,
    // the end of the game, the switch of view.
    void answerMove(DropOutcome outcome);
    // Take back stays open, as after moves made in this window; `earlier`
    // when the move before the last one may go back too.
    void openTakeBack(bool earlier);
    // The player's own way to the other view.
    void showOtherView() { otherViewItem_Click(); }

signals:
    void messageShown(const QString& message);

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildMenus();
    void connectBoard();

    void pbVint_MouseDown(Cell index, Qt::MouseButton button);
    void pbVint_DragDrop(Cell target);
    void dropOnEarlierPosition(Cell from, Cell to);
    void showRefusal(DropOutcome outcome);
    void showCaption();
    void startDrag(Cell from, Qt::MouseButton button);
    void followDrag(QPoint globalPosition);
    bool mayPickUp(Side side) const;
    void hidePanelsOnPress();
    void finishDrag(QPoint globalPosition, Qt::MouseButton button);
    void cancelDrag();
    CellBox* cellAt(QPoint globalPosition) const;

    void showNewGame();
    void endGame();
    void closeTakeBack();
    void takeBackHere();

    void cmdReset_Click();
    void mnuUnmove_Click();
    void mnuRedo_Click();
    void updateRedo();
    void otherViewItem_Click();
    void mnuSwitch_Click();
    void mnuRules_Click();
    void cmdHideRules_Click();
    void mnuabout_Click();
    void cmdokabout_Click();
    void cmdShowCom_Click();

    GameModel& model() const;
    BoardWindow& twin() const;
    Picture pictureOf(Occupant occupant) const;
    void setOccupant(Cell index, Occupant occupant);
    void setFrameAndBackground(const QColor& frame, const QColor& background);
    // `message` is the English text, shown in the player's language.
    void showInfo(const char* message);
    void setSwitchChecked(bool checked) const;
    void setCellsEnabled(bool enabled);

    const ViewTable& view_;
    ViewPair& pair_;
    const PictureFiles& pictures_;
    BoardWidgets w_;
    Cell dragFromCell_ = NoCell;
    // The move before the last one made here may be taken back after it.
    bool earlierMoveOpen_ = false;
    bool loaded_ = false;
    // The button that holds a man, Qt::NoButton for a hand without one.
    std::optional<Qt::MouseButton> dragButton_;
    std::array<bool, 2> pressesBarred_{};

    std::array<QMenu*, 3> menus_{};
    QAction* mnuReset_ = nullptr;
    QAction* mnuUnmove_ = nullptr;
    QAction* mnuRedo_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* otherViewItem_ = nullptr;
    QAction* mnuSwitch_ = nullptr;
};

}  // namespace vintrel
