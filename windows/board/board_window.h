// One board window. The red view and the blue view are two instances of
// it, told apart only by their view table.
#pragma once

#include "board.h"
#include "commitment.h"
#include "elements.h"
#include "move.h"
#include "view_table.h"

#include <QMainWindow>

#include <array>
#include <bitset>
#include <optional>

class QAction;
class QLabel;
class QPushButton;

namespace vintrel {

class ViewPair;

using CellSet = std::bitset<CellCount>;

// A window's game-state variables, named as the rules speak of them.
struct WindowState {
    Side Turn = Side::Red;
    Cell DragFromCell = NoCell;
    Cell LastFromCell = NoCell;
    Cell LastToCell = NoCell;
    Cell UndoFromCell = NoCell;
    Cell UndoToCell = NoCell;
    bool LastCapture = false;
    CommitmentRecord com;
    bool NoMenLeft = false;
};

class BoardWindow : public QMainWindow {
    Q_OBJECT
public:
    BoardWindow(const ViewTable& view, ViewPair& pair, const PictureFiles& pictures);

    const ViewTable& view() const { return view_; }
    const WindowState& state() const { return state_; }
    CellBox& cell(Cell index) const { return *cells_[index]; }
    Position position() const;
    bool isLoaded() const { return loaded_; }
    bool isDragging() const { return dragButton_.has_value(); }
    // The game ended in this window: its cells stay disabled until a new one.
    bool hasEnded() const { return !cells_[0]->isEnabled(); }
    QWidget* board() const { return board_; }
    // A menu item by its name, for the hands that choose items as a player does.
    QAction& menuItem(const char* name) const;

    // The paths a player's hands take, open to any other hand that plays:
    // the keys, the computer. A press on a cell does what the mouse's does;
    // a man picked up without the mouse (`Qt::NoButton`) is never let go by
    // a mouse release.
    void pressCell(Cell index, Qt::MouseButton button = Qt::NoButton);
    // The copy of the held man, centred on a point of the board.
    void carryHeldTo(QPointF boardPoint);
    void dropHeldOn(Cell target);
    void putHeldBack();
    Cell heldFrom() const { return isDragging() ? state_.DragFromCell : NoCell; }
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
    // The red view lays out a new game; the blue view takes the red view's.
    void Form_Load();
    void Form_Activate();

    // After a red (H1) or blue (H3) move: does the moved man stand
    // committed? The answer is kept here and marked in the other window.
    void H1LegitCom();
    void H3LegitCom();

    CellSet hiddenCells() const;
    void setHiddenCells(const CellSet& hidden);

signals:
    // After a move stood and every window took its effect, the other view
    // shown where the switch is on.
    void moveStood(vintrel::Side mover, vintrel::Cell from, vintrel::Cell to, bool captures);
    void messageShown(const QString& message);
    void gameEnded();
    // The last move was taken back; a new game was laid out in the red view.
    void tookBack();
    void newGameLaidOut();
    // The game may have changed under anyone who watches it: a move, a take
    // back, a new game, an activation.
    void gameChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // What a take back restores besides the men.
    struct CommitmentsBefore {
        CommitmentRecord com;
        CellSet markersInTwin;
    };
    // The undo record of the move before the last.
    struct EarlierMove {
        Cell from;
        Cell to;
        bool capture;
        CommitmentsBefore before;
    };

    void buildBoard();
    void buildLines();
    void buildPanels();
    void buildButtons();
    void buildCells();
    void buildMenus();
    void applyStacking();
    QWidget* element(const QString& name) const;

    void pbVint_MouseDown(Cell index, Qt::MouseButton button);
    void pbVint_DragDrop(Cell target);
    void startDrag(Cell from, Qt::MouseButton button);
    void followDrag(QPoint globalPosition);
    bool mayPickUp(Side side) const;
    void hidePanelsOnPress();
    void finishDrag(QPoint globalPosition, Qt::MouseButton button);
    void cancelDrag();
    CellBox* cellAt(QPoint globalPosition) const;

    void layOutNewGame();
    void takeGameFromRedView();
    void carryOut(Side mover, const DropDecision& decision);
    void legitCom(Side mover, bool& committed, Cell& comCell);
    void passTurn();
    void endGame();
    void closeTakeBack();

    void cmdReset_Click();
    void mnuUnmove_Click();
    void otherViewItem_Click();
    void mnuSwitch_Click();
    void mnuRules_Click();
    void cmdHideRules_Click();
    void mnuabout_Click();
    void cmdokabout_Click();
    void cmdShowCom_Click();

    BoardWindow& twin() const;
    Picture pictureOf(Occupant occupant) const;
    void setOccupant(Cell index, Occupant occupant);
    void refreshCellFromTwin(Cell index);
    void setFrameAndBackground(const QColor& frame, const QColor& background);
    // `message` is the English text, shown in the player's language.
    void showInfo(const char* message);
    void setSwitchChecked(bool checked) const;
    void setCellsEnabled(bool enabled);

    const ViewTable& view_;
    ViewPair& pair_;
    const PictureFiles& pictures_;
    WindowState state_;
    CommitmentsBefore undoCommitments_;
    std::optional<EarlierMove> earlierMove_;
    bool loaded_ = false;
    // The button that holds a man, Qt::NoButton for a hand without one.
    std::optional<Qt::MouseButton> dragButton_;
    std::array<bool, 2> pressesBarred_{};

    QWidget* board_ = nullptr;
    std::array<CellBox*, CellCount> cells_{};
    std::array<LineWidget*, 4> frame_{};
    std::array<LineWidget*, 4> colourLines_{};
    QList<QLabel*> background_;
    QLabel* lblInfo_ = nullptr;
    QLabel* lblRules_ = nullptr;
    QLabel* lblOVER_ = nullptr;
    QLabel* lblabout_ = nullptr;
    QPushButton* cmdShowCom_ = nullptr;
    QPushButton* cmdReset_ = nullptr;
    QPushButton* cmdHideRules_ = nullptr;
    QPushButton* cmdokabout_ = nullptr;
    QLabel* dragImage_ = nullptr;

    QAction* mnuUnmove_ = nullptr;
    QAction* otherViewItem_ = nullptr;
    QAction* mnuSwitch_ = nullptr;

};

}  // namespace vintrel
