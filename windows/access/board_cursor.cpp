#include "board_cursor.h"

#include "board_window.h"
#include "game_model.h"
#include "view_pair.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vintrel {
namespace {

using Lattice = std::array<QPoint, CellCount>;

// Diamonds that share an edge stand half a step apart on both axes.
qreal HalfStep(const BoardWindow& window) {
    return std::abs(window.cellCentre(1).x() - window.cellCentre(0).x());
}

Lattice LatticeOf(const BoardWindow& window) {
    qreal left = window.cellCentre(0).x(), top = window.cellCentre(0).y();
    for (Cell i = 1; i < CellCount; ++i) {
        left = std::min(left, window.cellCentre(i).x());
        top = std::min(top, window.cellCentre(i).y());
    }
    const qreal half = HalfStep(window);
    Lattice lattice{};
    for (Cell i = 0; i < CellCount; ++i) {
        const QPointF centre = window.cellCentre(i);
        lattice[i] = QPoint(qRound((centre.x() - left) / half), qRound((centre.y() - top) / half));
    }
    return lattice;
}

Cell CellAt(const Lattice& lattice, QPoint point) {
    const auto found = std::find(lattice.begin(), lattice.end(), point);
    return found == lattice.end() ? NoCell : Cell(found - lattice.begin());
}

// The diamond an arrow key leads to from `from`, or NoCell at the board's
// edge. Left and Right keep to the row of diamonds across the screen. The
// grid has no diamond straight above at the next row, only one half a step
// to either side: each column is paired with its neighbour, so that Up
// twice goes straight up and Down undoes Up; along an edge the other side
// serves. So every diamond is reached, whichever way the board is turned.
Cell Neighbour(const Lattice& lattice, Cell from, int key) {
    const QPoint point = lattice[from];
    if (key == Qt::Key_Left || key == Qt::Key_Right)
        return CellAt(lattice, point + QPoint(key == Qt::Key_Left ? -2 : 2, 0));
    const int dy = key == Qt::Key_Up ? -1 : 1;
    const int dx = (point.x() ^ 1) - point.x();
    const Cell paired = CellAt(lattice, point + QPoint(dx, dy));
    return paired != NoCell ? paired : CellAt(lattice, point + QPoint(-dx, dy));
}

// The nearest diamond to the player: the corner at the bottom of the view.
Cell BottomCorner(const Lattice& lattice) {
    const auto lowest = std::max_element(lattice.begin(), lattice.end(),
                                         [](QPoint a, QPoint b) { return a.y() < b.y(); });
    return Cell(lowest - lattice.begin());
}

bool IsArrow(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool IsPress(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

// A screen reader reads a cell's name afresh when told it changed: a man
// picked up or set down changes what his cell says.
void TellNameChanged(QWidget& cell) {
    QAccessibleEvent changed(&cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

// A diamond drawn round the cursor's diamond, inside the grid's lines and
// outside the man, dark with a bright core so that it shows on white, on
// either colour of man and on either frame.
class CursorRing : public QWidget {
public:
    CursorRing(QWidget* board, qreal halfStep) : QWidget(board) {
        setObjectName(QStringLiteral("cursorRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // An odd side centres the ring on the diamond's middle pixel.
        const int side = qRound(2 * halfStep) + 1;
        resize(side, side);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const QPointF centre = QRectF(rect()).center();
        const qreal reach = width() / 2.0 - 5;
        const QPointF corners[] = {centre + QPointF(0, -reach), centre + QPointF(reach, 0),
                                   centre + QPointF(0, reach), centre + QPointF(-reach, 0)};
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPolygon(corners, 4);
        painter.setPen(QPen(QColor(255, 220, 0), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPolygon(corners, 4);
    }
};

}  // namespace

BoardCursor::BoardCursor(ViewPair& pair) : pair_(pair) {
    pair.forEachWindow(this, [this](BoardWindow& window) {
        follow(views_[window.view().turnedHalfRound ? 1 : 0], window);
    });
    connect(&pair.model(), &GameModel::moved, this, [this](Side, const PlayedMove& move) { moveEnded(move.to); });
    // A game opened ends where its last move did.
    connect(&pair.model(), &GameModel::loaded, this, [this] {
        const std::vector<PlayedMove>& moves = pair_.model().game().moves();
        if (!moves.empty()) moveEnded(moves.back().to);
    });
    connect(&pair.model(), &GameModel::changed, this, [this] {
        for (ViewCursor& view : views_)
            if (view.window) takeFocusIfLost(view);
    });
}

void BoardCursor::follow(ViewCursor& view, BoardWindow& window) {
    view.window = &window;
    view.lattice = LatticeOf(window);
    view.ring = new CursorRing(window.board(), HalfStep(window));
    // The copy of a held man stays in front of the ring.
    if (auto* heldCopy = window.board()->findChild<QWidget*>(QStringLiteral("dragImage")))
        view.ring->stackUnder(heldCopy);
    view.at = BottomCorner(view.lattice);
    placeOn(view, view.at);
    window.installEventFilter(this);
    for (Cell cell = 0; cell < CellCount; ++cell)
        connect(&window.cell(cell), &CellBox::pressed, this, [this, &view](Cell index) {
            showRings(false);
            placeOn(view, index);
        });
}

BoardCursor::ViewCursor& BoardCursor::cursorOf(const BoardWindow& window) {
    return views_[&window == views_[0].window ? 0 : 1];
}

bool BoardCursor::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<BoardWindow*>(watched);
    if (!window) return false;
    if (event->type() == QEvent::MouseButtonPress) showRings(false);
    if (event->type() != QEvent::KeyPress) return false;
    // Keys meant for a focused button, or for a shortcut, are not the board's.
    QWidget* focus = window->focusWidget();
    if (focus && !qobject_cast<CellBox*>(focus)) return false;
    return keyPressed(cursorOf(*window), static_cast<const QKeyEvent&>(*event));
}

bool BoardCursor::keyPressed(ViewCursor& view, const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const int code = key.key();
    if (IsArrow(code))
        step(view, code);
    else if (IsPress(code))
        pressOrDrop(view);
    else if (code == Qt::Key_Escape)
        putBack(view);
    else
        return false;
    showRings(true);
    return true;
}

void BoardCursor::step(ViewCursor& view, int key) {
    const Cell next = Neighbour(view.lattice, view.at, key);
    if (next == NoCell) return;
    placeOn(view, next);
    if (holdsPickedUp(view)) view.window->carryHeldTo(view.window->cellCentre(next));
}

bool BoardCursor::holdsPickedUp(const ViewCursor& view) const {
    // A take back, a new game or a change of view lets go of him meanwhile.
    return view.pickedUp != NoCell && view.window->heldFrom() == view.pickedUp;
}

void BoardCursor::pressOrDrop(ViewCursor& view) {
    BoardWindow& window = *view.window;
    if (holdsPickedUp(view)) {
        const Cell from = std::exchange(view.pickedUp, NoCell);
        window.dropHeldOn(view.at);
        TellNameChanged(window.cell(from));
        return;
    }
    // While another hand holds a man a press does nothing, as the mouse's.
    if (window.heldFrom() != NoCell) return;
    window.pressCell(view.at);
    if (window.heldFrom() != view.at) return;
    view.pickedUp = view.at;
    TellNameChanged(window.cell(view.at));
}

void BoardCursor::putBack(ViewCursor& view) {
    if (!holdsPickedUp(view)) return;
    const Cell from = std::exchange(view.pickedUp, NoCell);
    view.window->putHeldBack();
    TellNameChanged(view.window->cell(from));
}

void BoardCursor::placeOn(ViewCursor& view, Cell cell) {
    BoardWindow& window = *view.window;
    CellBox& previous = window.cell(view.at);
    CellBox& next = window.cell(cell);
    view.at = cell;
    // Only the cursor's diamond is a stop of the window's Tab chain, so
    // that Tab leads from the board to the buttons shown and back.
    next.setFocusPolicy(Qt::TabFocus);
    next.setFocus(Qt::OtherFocusReason);
    if (&previous != &next) previous.setFocusPolicy(Qt::NoFocus);
    view.ring->move((window.cellCentre(cell) - QRectF(view.ring->rect()).center()).toPoint());
    view.ring->setVisible(ringsShown_);
}

void BoardCursor::takeFocusIfLost(ViewCursor& view) {
    // A new game after the end: the RESET button that held the focus has
    // gone, and with it the focus.
    QWidget* focus = view.window->focusWidget();
    if (!focus || focus->isHidden()) placeOn(view, view.at);
}

void BoardCursor::showRings(bool shown) {
    ringsShown_ = shown;
    for (ViewCursor& view : views_)
        if (view.ring) view.ring->setVisible(shown);
}

void BoardCursor::moveEnded(Cell to) {
    // The view now shown, the other one after a switch, goes on from where
    // the move ended.
    if (BoardWindow* shown = pair_.shown()) placeOn(cursorOf(*shown), to);
}

}  // namespace vintrel
