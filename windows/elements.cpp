#include "elements.h"

#include "layout.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace vintrel {
namespace {

// The pixels of a box that lie well inside the diamond the grid draws
// round it. The box's corner pixels fall on the grid lines and, along the
// board's lower edges, under the frame.
QRegion DiamondOf(QSize box) {
    constexpr qreal Reach = 22;
    const QPointF centre(box.width() / 2.0, box.height() / 2.0);
    QRegion diamond;
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            if (std::abs(x + 0.5 - centre.x()) + std::abs(y + 0.5 - centre.y()) <= Reach)
                diamond += QRect(x, y, 1, 1);
    return diamond;
}

}  // namespace

LineWidget::LineWidget(QWidget* board, const QLineF& line, int widthInPixels)
    : QWidget(board), width_(widthInPixels) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const qreal margin = widthInPixels / 2.0 + 1;
    const QRect bounds = QRectF(line.p1(), line.p2()).normalized()
                             .adjusted(-margin, -margin, margin, margin).toAlignedRect();
    setGeometry(bounds);
    line_ = line.translated(-bounds.topLeft());
}

void LineWidget::setColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Hair lines stay crisp; the thick frame strokes look better smoothed.
    painter.setRenderHint(QPainter::Antialiasing, width_ > 1);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line_);
}

CellBox::CellBox(QWidget* board, Cell index) : QWidget(board), index_(index) {
    setFixedSize(layout::CellSize / layout::TwipsPerPixel, layout::CellSize / layout::TwipsPerPixel);
}

void CellBox::setTag(Occupant occupant) {
    const std::string_view tag = TagOf(occupant);
    tag_ = QString::fromLatin1(tag.data(), qsizetype(tag.size()));
}

Occupant CellBox::occupant() const {
    for (Occupant man : {Occupant::RedMan, Occupant::BlueMan}) {
        const std::string_view tag = TagOf(man);
        if (tag_ == QLatin1String(tag.data(), qsizetype(tag.size()))) return man;
    }
    return Occupant::Empty;
}

void CellBox::setPicture(Picture picture, const PictureFiles& files) {
    if (picture_ == picture) return;
    picture_ = picture;
    pixmap_ = files.load(picture);
    update();
}

void CellBox::clear() {
    tag_.clear();
    picture_.reset();
    pixmap_ = QPixmap();
    update();
}

void CellBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The box's corners reach a pixel past its diamond; leaving them
    // unpainted keeps the grid and the frame whole.
    painter.setClipRegion(DiamondOf(size()));
    painter.fillRect(rect(), palette().base());
    painter.drawPixmap(0, 0, pixmap_);
}

void CellBox::mousePressEvent(QMouseEvent* event) { emit pressed(index_, event->button()); }

void CellBox::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->globalPosition().toPoint());
}

void CellBox::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->globalPosition().toPoint(), event->button());
}

}  // namespace vintrel
