#include "elements.h"

#include "layout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

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

// Every box has the same size, so one diamond serves all of them; building
// it pixel by pixel on each paint cost more than the rest of the frame.
const QRegion& CellDiamond() {
    static const QRegion diamond =
        DiamondOf(QSize(layout::CellSize / layout::TwipsPerPixel, layout::CellSize / layout::TwipsPerPixel));
    return diamond;
}

// For each row of a box, the first and last column inside the diamond.
using RowSpans = std::array<std::pair<int, int>, layout::CellSize / layout::TwipsPerPixel>;

const RowSpans& DiamondRows() {
    static const RowSpans rows = [] {
        RowSpans spans{};
        for (const QRect& run : CellDiamond())
            for (int y = run.top(); y <= run.bottom(); ++y) spans[y] = {run.left(), run.right()};
        return spans;
    }();
    return rows;
}

// The picture as its box shows it: on the base colour inside the diamond,
// transparent in the corners, so that painting the box is a single blit.
// This runs on every change of picture, so it works on the pixels directly.
QPixmap FaceOf(const QPixmap& picture, const QColor& base) {
    const QSize box = CellDiamond().boundingRect().size();
    QImage face;
    if (picture.size() == box && !picture.hasAlphaChannel()) {
        face = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        face = QImage(box, QImage::Format_ARGB32_Premultiplied);
        face.fill(base);
        if (!picture.isNull()) QPainter(&face).drawPixmap(0, 0, picture);
    }
    const RowSpans& rows = DiamondRows();
    for (int y = 0; y < box.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(face.scanLine(y));
        std::fill(row, row + rows[y].first, 0u);
        std::fill(row + rows[y].second + 1, row + box.width(), 0u);
    }
    return QPixmap::fromImage(std::move(face));
}

// Pictures drawn alike are made once and shared: most cells show an empty
// diamond or one of two men, and the thick lines of one colour and width
// have the same round ends.
template <typename Make>
QPixmap Shared(const QString& key, Make make) {
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = make();
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

// The key names the picture's pixels: an image's cache key changes with
// every new decoding and every change of its pixels.
QPixmap SharedFaceOf(const QPixmap& picture, const QColor& base) {
    const QString key = QStringLiteral("vintrel-face-%1-%2").arg(picture.toImage().cacheKey()).arg(base.rgba());
    return Shared(key, [&] { return FaceOf(picture, base); });
}

// What a screen reader says of a cell, e.g. "cell 61, red man".
QString SpokenName(Cell index, Occupant occupant) {
    const char* what = occupant == Occupant::RedMan    ? ", red man"
                       : occupant == Occupant::BlueMan ? ", blue man"
                                                       : ", empty";
    return QStringLiteral("cell ") + QString::number(index) + QLatin1String(what);
}

QPen HairPen(const QColor& colour, int width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap); }

// The columns of row `y` that a hair line may touch: it strays no more
// than a pixel from its course.
std::pair<int, int> ColumnsNear(const QLineF& line, int y, int width) {
    qreal from = std::min(line.x1(), line.x2()), to = std::max(line.x1(), line.x2());
    if (line.dy() != 0) {
        const qreal slope = line.dx() / line.dy();
        const qreal atTop = line.x1() + (y - line.y1()) * slope, atBottom = atTop + slope;
        from = std::max(from, std::min(atTop, atBottom));
        to = std::min(to, std::max(atTop, atBottom));
    }
    return {std::max(0, int(std::floor(from)) - 2), std::min(width - 1, int(std::ceil(to)) + 2)};
}

// The pixels Qt sets when it draws a hair line, top row first: the line is
// drawn into a scratch image and read back. One scratch image serves every
// line, wiped again where it was read.
QList<QPoint> HairLinePixels(const QLineF& line, int width, QSize size) {
    static QImage scratch;
    if (!QRect(QPoint(), scratch.size()).contains(QRect(QPoint(), size))) {
        scratch = QImage(size.expandedTo(scratch.size()), QImage::Format_ARGB32_Premultiplied);
        scratch.fill(Qt::transparent);
    }
    QPainter painter(&scratch);
    painter.setPen(HairPen(Qt::black, width));
    painter.drawLine(line);
    painter.end();
    QList<QPoint> pixels;
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(scratch.bits() + y * scratch.bytesPerLine());
        const auto [first, last] = ColumnsNear(line, y, size.width());
        for (int x = first; x <= last; ++x) {
            if (row[x] == 0) continue;
            pixels.append(QPoint(x, y));
            row[x] = 0;
        }
    }
    return pixels;
}

// Every grid line of a family has the same shape within its widget, and
// both views draw the same grid, so the pixels of each shape are worked out
// once.
const QList<QPoint>& HairPixelsOf(const QLineF& line, int width, QSize size) {
    using Shape = std::tuple<qreal, qreal, qreal, qreal, int, int, int>;
    static std::map<Shape, QList<QPoint>> known;
    const Shape shape{line.x1(), line.y1(), line.x2(), line.y2(), width, size.width(), size.height()};
    auto found = known.find(shape);
    if (found == known.end()) found = known.emplace(shape, HairLinePixels(line, width, size)).first;
    return found->second;
}

// A smoothed disc of `diameter` pixels centred on the pixel corner at
// (`centre`, `centre`), for the round ends of a thick line.
QPixmap DrawnDisc(const QColor& colour, int diameter, int centre) {
    QPixmap disc(2 * centre, 2 * centre);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(centre, centre), diameter / 2.0, diameter / 2.0);
    return disc;
}

QPixmap DiscOf(const QColor& colour, int diameter, int centre) {
    const QString key = QStringLiteral("vintrel-disc-%1-%2").arg(colour.rgba()).arg(diameter);
    return Shared(key, [&] { return DrawnDisc(colour, diameter, centre); });
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
    end_ = QPixmap();
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (width_ <= 1) {
        // Hair lines stay crisp. Qt visits the pixels of a rising line
        // bottom up, and where other widgets cover part of this one that
        // order makes its clipping search afresh for every pixel: the same
        // pixels given top down draw six times faster.
        if (hairPixels_.isEmpty()) hairPixels_ = HairPixelsOf(line_, width_, size());
        painter.setPen(HairPen(colour_, width_));
        painter.drawPoints(hairPixels_.constData(), int(hairPixels_.size()));
        return;
    }
    // The thick frame strokes look better smoothed. Qt fills a smoothed
    // round-capped stroke through its general path filler, six times slower
    // than a flat-capped one, so the round ends are discs of their own,
    // drawn once for each colour the line takes.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(line_);
    // The ends lie on whole pixels, so one disc fits both.
    const int centre = width_ / 2 + 2;
    if (end_.isNull()) end_ = DiscOf(colour_, width_, centre);
    for (QPointF end : {line_.p1(), line_.p2()})
        painter.drawPixmap(end.toPoint() - QPoint(centre, centre), end_);
}

CellBox::CellBox(QWidget* board, Cell index) : QWidget(board), index_(index) {
    setFixedSize(layout::CellSize / layout::TwipsPerPixel, layout::CellSize / layout::TwipsPerPixel);
    setAccessibleName(SpokenName(index_, Occupant::Empty));
}

void CellBox::setTag(Occupant occupant) {
    // Every view refresh sets all hundred tags; most of them do not change.
    if (occupant == this->occupant()) return;
    const std::string_view tag = TagOf(occupant);
    tag_ = QString::fromLatin1(tag.data(), qsizetype(tag.size()));
    setAccessibleName(SpokenName(index_, occupant));
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
    face_ = QPixmap();
    update();
}

void CellBox::clear() {
    tag_.clear();
    setAccessibleName(SpokenName(index_, Occupant::Empty));
    picture_.reset();
    pixmap_ = QPixmap();
    face_ = QPixmap();
    update();
}

void CellBox::paintEvent(QPaintEvent*) {
    // The box's corners reach a pixel past its diamond; the face leaves them
    // unpainted, which keeps the grid and the frame whole. It is made when
    // first painted, as many a picture is replaced before it is ever seen.
    if (face_.isNull()) face_ = SharedFaceOf(pixmap_, palette().color(QPalette::Base));
    QPainter(this).drawPixmap(0, 0, face_);
}

void CellBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) face_ = QPixmap();
    QWidget::changeEvent(event);
}

void CellBox::mousePressEvent(QMouseEvent* event) { emit pressed(index_, event->button()); }

void CellBox::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->globalPosition().toPoint());
}

void CellBox::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->globalPosition().toPoint(), event->button());
}

}  // namespace vintrel
