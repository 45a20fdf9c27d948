#include "elements.h"

#include "layout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

namespace vintrel {
namespace {

constexpr int BoxSide = layout::CellSize / layout::TwipsPerPixel;
// How far the face reaches from the box's centre, across and up together:
// the diamond's edges run just inside the grid lines through the box's
// corners.
constexpr qreal DiamondReach = 22, BoxCentre = BoxSide / 2.0;

// A box's side in the device pixels of a screen of `ratio`. A part pixel
// counts whole, so that the face leaves no gap.
int DeviceSide(qreal ratio) { return int(std::ceil(BoxSide * ratio - 1e-9)); }

// For each device pixel row of a box, the first and last column that lie
// well inside the diamond the grid draws round it (first > last: none).
// The box's corner pixels fall on the grid lines and, along the board's
// lower edges, under the frame.
using RowSpans = std::vector<std::pair<int, int>>;

RowSpans DiamondRowsAt(qreal ratio) {
    const int side = DeviceSide(ratio);
    RowSpans rows(std::size_t(side), {side, -1});
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (std::abs((x + 0.5) / ratio - BoxCentre) + std::abs((y + 0.5) / ratio - BoxCentre) <= DiamondReach)
                rows[std::size_t(y)] = {std::min(rows[std::size_t(y)].first, x), x};
    return rows;
}

// Every box has the same size, so one diamond serves all of them; building
// it on each paint cost more than the rest of the frame.
const RowSpans& DiamondRows(qreal ratio) {
    static RowSpans rows;
    static qreal builtFor = 0;
    if (ratio != builtFor) {
        rows = DiamondRowsAt(ratio);
        builtFor = ratio;
    }
    return rows;
}

// The picture's pixels as a screen of `ratio` shows them: a version drawn
// for another ratio is scaled smoothly, never into blocks.
QImage AtResolution(const QPixmap& picture, qreal ratio) {
    QImage image = picture.toImage();
    const qreal factor = ratio / picture.devicePixelRatio();
    if (image.isNull() || factor == 1) return image;
    image.setDevicePixelRatio(1);
    const QSize size(int(std::ceil(image.width() * factor - 1e-9)), int(std::ceil(image.height() * factor - 1e-9)));
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The picture as its box shows it on a screen of `ratio`: on the base
// colour inside the diamond, transparent in the corners, so that painting
// the box is a single blit. This runs on every new picture, so it works on
// the pixels directly.
QPixmap FaceOf(const QPixmap& picture, const QColor& base, qreal ratio) {
    const int side = DeviceSide(ratio);
    const QImage shown = AtResolution(picture, ratio);
    QImage face;
    if (shown.size() == QSize(side, side) && !shown.hasAlphaChannel()) {
        face = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        face = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        face.fill(base);
        if (!shown.isNull()) QPainter(&face).drawImage(0, 0, shown);
    }
    const RowSpans& rows = DiamondRows(ratio);
    for (int y = 0; y < side; ++y) {
        auto* row = reinterpret_cast<QRgb*>(face.scanLine(y));
        const auto [first, last] = rows[std::size_t(y)];
        std::fill(row, row + std::min(first, side), 0u);
        std::fill(row + std::max(first, last + 1), row + side, 0u);
    }
    face.setDevicePixelRatio(ratio);
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
QPixmap SharedFaceOf(const QPixmap& picture, const QColor& base, qreal ratio) {
    // Ratios in thousandths, as whole numbers: formatting floating-point
    // numbers took longer than the rest of the lookup.
    const QString key = QStringLiteral("vintrel-face-%1-%2-%3-%4")
                            .arg(QString::number(picture.toImage().cacheKey()),
                                 QString::number(qRound(picture.devicePixelRatio() * 1000)),
                                 QString::number(base.rgba()), QString::number(qRound(ratio * 1000)));
    return Shared(key, [&] { return FaceOf(picture, base, ratio); });
}

// What a screen reader says of a cell, e.g. "cell 61, red man".
QString SpokenName(Cell index, Occupant occupant) {
    const char* name = occupant == Occupant::RedMan    ? QT_TRANSLATE_NOOP("vintrel::CellBox", "cell %1, red man")
                       : occupant == Occupant::BlueMan ? QT_TRANSLATE_NOOP("vintrel::CellBox", "cell %1, blue man")
                                                       : QT_TRANSLATE_NOOP("vintrel::CellBox", "cell %1, empty");
    return CellBox::tr(name).arg(index);
}

// What a screen reader adds about a marked cell, e.g. "last move, target".
QString SpokenMarks(CellMarks marks) {
    QStringList said;
    if (marks.lastMove) said << CellBox::tr("last move");
    if (marks.target) said << CellBox::tr("target");
    return said.join(QStringLiteral(", "));
}

// The marks' colours stand apart from the frames' red and blue, the
// board's black, peach and white, and the men's red, blue and gold.
const QColor LastMoveColour(0, 170, 60);
const QColor TargetColour(235, 120, 0);
const QColor NumberColour(120, 120, 120);
const QColor ArrowColour(150, 0, 200, 190);
constexpr qreal LastMoveWidth = 2, TargetRadius = 3;
constexpr int NumberPixels = 7;
constexpr qreal ArrowWidth = 3, ArrowHeadLength = 10, ArrowHeadHalfWidth = 5;

// `face` with `number` printed on its ground in the top corner on the
// left, where the men's discs leave the most room: the man stands over
// it, as over a number printed on the board.
QPixmap WithNumber(const QPixmap& face, Cell number) {
    const qreal ratio = face.devicePixelRatio();
    QImage text(face.size(), QImage::Format_ARGB32_Premultiplied);
    text.setDevicePixelRatio(ratio);
    text.fill(Qt::transparent);
    QPainter painter(&text);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(NumberPixels);
    painter.setFont(font);
    painter.setPen(NumberColour);
    painter.drawText(QRectF(2, -1, BoxSide, NumberPixels + 2), Qt::AlignLeft | Qt::AlignTop, QString::number(number));
    painter.end();
    QImage shown = face.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    constexpr QRgb Ground = 0xffffffff;
    for (int y = 0; y < shown.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(shown.scanLine(y));
        const auto* ink = reinterpret_cast<const QRgb*>(text.constScanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            if (row[x] != Ground) continue;
            const int clear = 255 - qAlpha(ink[x]);
            row[x] = qRgb(qRed(ink[x]) + clear, qGreen(ink[x]) + clear, qBlue(ink[x]) + clear);
        }
    }
    return QPixmap::fromImage(std::move(shown));
}

// The outline of the face, `inset` pixels inside its edges: the box with
// its corners cut along the diamond.
QPolygonF FaceOutline(qreal inset) {
    const qreal reach = DiamondReach - inset * M_SQRT2;
    const QPolygonF diamond{{BoxCentre, BoxCentre - reach}, {BoxCentre + reach, BoxCentre},
                            {BoxCentre, BoxCentre + reach}, {BoxCentre - reach, BoxCentre}};
    return QPolygonF(QRectF(inset, inset, BoxSide - 2 * inset, BoxSide - 2 * inset)).intersected(diamond);
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

// On a screen finer than the board's pixels every line is smoothed at the
// screen's own resolution: the shortcuts of whole pixels would draw it in
// steps of doubled pixels. Flat caps keep Qt on its fast way of filling a
// line; a thick line's round ends are discs of their own.
void DrawSmooth(QPainter& painter, const QLineF& line, int width, const QColor& colour) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    // A hair line's whole pixels lie right of and below its course; the
    // smoothed line runs through their middles.
    if (width <= 1) return painter.drawLine(line.translated(0.5, 0.5));
    painter.drawLine(line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (QPointF end : {line.p1(), line.p2()}) painter.drawEllipse(end, width / 2.0, width / 2.0);
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
    if (devicePixelRatioF() != 1) return DrawSmooth(painter, line_, width_, colour_);
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
    files_ = &files;
    readPicture(devicePixelRatioF());
    update();
}

void CellBox::readPicture(qreal ratio) {
    pixmap_ = files_->load(*picture_, ratio);
    pixmapRatio_ = ratio;
    face_ = QPixmap();
}

void CellBox::clear() {
    // An empty cell, as every new one, is named so already.
    if (!tag_.isEmpty()) {
        tag_.clear();
        setAccessibleName(SpokenName(index_, Occupant::Empty));
    }
    picture_.reset();
    pixmap_ = QPixmap();
    face_ = QPixmap();
    update();
}

void CellBox::paintEvent(QPaintEvent*) {
    // Moved to a screen of another resolution, the window wants the
    // pictures drawn for that one.
    const qreal ratio = devicePixelRatioF();
    if (picture_ && ratio != pixmapRatio_) readPicture(ratio);
    // The box's corners reach a pixel past its diamond; the face leaves them
    // unpainted, which keeps the grid and the frame whole. It is made when
    // first painted, as many a picture is replaced before it is ever seen.
    if (face_.isNull() || face_.devicePixelRatio() != ratio)
        face_ = SharedFaceOf(pixmap_, palette().color(QPalette::Base), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, marks_.number ? numberedFace() : face_);
    if (marks_.lastMove || marks_.target) paintMarks(painter);
}

const QPixmap& CellBox::numberedFace() {
    if (numbered_.isNull() || numberedFrom_ != face_.cacheKey()) {
        numbered_ = WithNumber(face_, index_);
        numberedFrom_ = face_.cacheKey();
    }
    return numbered_;
}

void CellBox::setMarks(CellMarks marks) {
    if (marks == marks_) return;
    marks_ = marks;
    const QString described = SpokenMarks(marks);
    if (described != accessibleDescription()) setAccessibleDescription(described);
    update();
}

// Smoothed vector shapes, so that a finer screen draws them at its own
// resolution, all kept inside the face.
void CellBox::paintMarks(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRegion(QRegion(FaceOutline(0).toPolygon()));
    if (marks_.lastMove) {
        painter.setPen(QPen(LastMoveColour, LastMoveWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(FaceOutline(LastMoveWidth / 2));
    }
    if (marks_.target) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(TargetColour);
        painter.drawEllipse(QPointF(BoxCentre, BoxCentre), TargetRadius, TargetRadius);
    }
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

ArrowWidget::ArrowWidget(QWidget* board) : QWidget(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ArrowWidget::point(QPointF from, QPointF to) {
    const qreal margin = ArrowHeadLength + ArrowWidth;
    const QRect bounds = QRectF(from, to).normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect();
    setGeometry(bounds);
    line_ = QLineF(from, to).translated(-bounds.topLeft());
    update();
    show();
}

void ArrowWidget::paintEvent(QPaintEvent*) {
    if (line_.length() < ArrowHeadLength) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The shaft stops where the head begins, so the two do not overlap and
    // darken each other's see-through colour.
    const QLineF back = QLineF(line_.p2(), line_.p1());
    const QPointF base = back.pointAt(ArrowHeadLength / line_.length());
    const QPointF across = QPointF(-back.dy(), back.dx()) / line_.length() * ArrowHeadHalfWidth;
    painter.setPen(QPen(ArrowColour, ArrowWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QLineF(line_.p1(), base));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArrowColour);
    painter.drawPolygon(QPolygonF{line_.p2(), base + across, base - across});
}

}  // namespace vintrel
