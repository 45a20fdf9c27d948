// The pieces a board window is built of, beyond Qt's own labels and buttons.
#pragma once

#include "board.h"
#include "pictures.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

class QPainter;

namespace vintrel {

// One straight line, drawn by a transparent widget so that it takes its
// place in the window's stacking order among the labels.
class LineWidget : public QWidget {
public:
    LineWidget(QWidget* board, const QLineF& line, int widthInPixels);
    void setColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineF line_;  // in this widget's own coordinates
    int width_;
    QList<QPoint> hairPixels_;  // a hair line's pixels, top row first, once painted
    QPixmap end_;               // a thick line's round end, in its colour
    QColor colour_ = Qt::black;
};

// What a player chose to see marked on one diamond, beyond its man.
struct CellMarks {
    bool lastMove = false;  // the last move left or reached it
    bool target = false;    // the man held may be dropped on it
    bool number = false;    // its index, as the notation writes it
    bool operator==(const CellMarks&) const = default;
    bool any() const { return lastMove || target || number; }
};

// A diamond of the board: a 25 x 25 box that shows its picture unscaled,
// or on a finer screen the picture's version drawn for it, and carries the
// tag of what stands on it. Mouse events go to the window, which owns the
// drag.
class CellBox : public QWidget {
    Q_OBJECT
public:
    CellBox(QWidget* board, Cell index);

    Cell index() const { return index_; }
    const QString& tag() const { return tag_; }
    Occupant occupant() const;
    std::optional<Picture> picture() const { return picture_; }
    const QPixmap& pixmap() const { return pixmap_; }

    // Also names the cell for screen readers: "cell 61, red man".
    void setTag(Occupant occupant);
    // Looks at the file only when the cell changes its picture, and takes
    // the version drawn for the screen the window is on.
    void setPicture(Picture picture, const PictureFiles& files);
    void clear();
    // Drawn over the picture; also told to screen readers as the cell's
    // description: "last move", "target".
    void setMarks(CellMarks marks);
    CellMarks marks() const { return marks_; }

signals:
    void pressed(vintrel::Cell index, Qt::MouseButton button);
    void moved(QPoint globalPosition);
    void released(QPoint globalPosition, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void readPicture(qreal ratio);
    void paintMarks(QPainter& painter) const;
    const QPixmap& numberedFace();

    Cell index_;
    QString tag_;
    std::optional<Picture> picture_;
    const PictureFiles* files_ = nullptr;
    QPixmap pixmap_;  // as read from the file, for a screen of pixmapRatio_
    qreal pixmapRatio_ = 1;
    QPixmap face_;    // as painted: clipped to the diamond, on the base colour;
                      // made at the first paint after a change
    CellMarks marks_;
    QPixmap numbered_;  // the face with the cell's number, once shown
    qint64 numberedFrom_ = 0;  // the face it was made from
};

// An arrow from one point of the board to another, drawn by a transparent
// widget over the cells that lets the mouse through.
class ArrowWidget : public QWidget {
public:
    explicit ArrowWidget(QWidget* board);
    // Shows the arrow from `from` to `to`, in the board's coordinates.
    void point(QPointF from, QPointF to);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineF line_;  // in this widget's own coordinates
};

}  // namespace vintrel
