// Play by keys. Each view keeps a cursor on one diamond of its board; the
// arrow keys move it, Space or Return on a man picks him up and on a
// diamond drops him, Escape puts him back. The keys drive the window
// through the same paths as the mouse, so a move made by keys is checked,
// refused and told exactly as a dragged one.
#pragma once

#include "board.h"

#include <QObject>
#include <QPoint>

#include <array>

class QKeyEvent;

namespace vintrel {

class BoardWindow;
class ViewPair;

class BoardCursor : public QObject {
    Q_OBJECT
public:
    explicit BoardCursor(ViewPair& pair);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ViewCursor {
        BoardWindow* window = nullptr;
        // Where each diamond stands on the screen, in half steps of the
        // grid from the board's left and top corners.
        std::array<QPoint, CellCount> lattice{};
        Cell at = NoCell;
        QWidget* ring = nullptr;
        // The man the keys picked up. A man the mouse or the computer holds
        // is theirs to carry and let go.
        Cell pickedUp = NoCell;
    };

    void follow(ViewCursor& view, BoardWindow& window);
    ViewCursor& cursorOf(const BoardWindow& window);
    bool keyPressed(ViewCursor& view, const QKeyEvent& key);
    void step(ViewCursor& view, int key);
    bool holdsPickedUp(const ViewCursor& view) const;
    void pressOrDrop(ViewCursor& view);
    void putBack(ViewCursor& view);
    void placeOn(ViewCursor& view, Cell cell);
    void takeFocusIfLost(ViewCursor& view);
    void showRings(bool shown);
    void moveEnded(Cell to);

    ViewPair& pair_;
    std::array<ViewCursor, 2> views_;
    // Keys have been used since the last mouse press on the board.
    bool ringsShown_ = false;
};

}  // namespace vintrel
