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

    // The diamond the cursor of `view` stands on.
    Cell at(const BoardWindow& view) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where each diamond stands on the screen, in half steps of the grid
    // from the board's left and top corners.
    using Lattice = std::array<QPoint, CellCount>;

    struct ViewCursor {
        BoardWindow* window = nullptr;
        Lattice lattice{};
        Cell at = NoCell;
        QWidget* ring = nullptr;
    };

    std::size_t indexOf(const BoardWindow& window) const;
    ViewCursor& cursorOf(const BoardWindow& window);
    bool keyPressed(ViewCursor& view, const QKeyEvent& key);
    void step(ViewCursor& view, int key);
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
