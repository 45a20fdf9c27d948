// The board's lines and cells draw what plain QPainter calls would draw,
// though they take shortcuts to draw it faster.
#include "elements.h"
#include "game_driver.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vintrel {
namespace {

constexpr QSize Board(120, 100);
const QColor Ground(250, 240, 200);

// The board with what stands on it, as an image.
QImage Drawn(QWidget& board) {
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void LayGround(QWidget& board) {
    board.setFixedSize(Board);
    board.setAutoFillBackground(true);
    QPalette palette = board.palette();
    palette.setColor(QPalette::Window, Ground);
    board.setPalette(palette);
    board.show();
}

// The line as QPainter draws it with a round-capped pen, smoothed when thick.
QImage Expected(const QLineF& line, int width, const QColor& colour) {
    QImage image(Board, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, width > 1);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(line);
    return image;
}

int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

TEST(LineDrawing, HairLinesSetExactlyThePixelsOfQPainterInEveryDirection) {
    const QLineF lines[] = {
        {10, 90, 90, 10},  // rising, as the grid's down-left family
        {10, 10, 90, 90},  // falling
        {5, 60, 115, 40},  // shallow
        {50, 5, 62, 95},   // steep
        {5, 50, 115, 50},  // level
        {60, 5, 60, 95},   // upright
    };
    for (const QLineF& line : lines) {
        QWidget board;
        auto* widget = new LineWidget(&board, line, 1);
        LayGround(board);
        widget->setColour(Qt::blue);
        EXPECT_EQ(Drawn(board), Expected(line, 1, Qt::blue)) << line.x1() << "," << line.y1();
    }
}

TEST(LineDrawing, ThickLinesKeepTheirRoundEndsAndTakeANewColour) {
    const QLineF line(30, 70, 90, 30);
    QWidget board;
    auto* widget = new LineWidget(&board, line, 21);
    LayGround(board);
    widget->setColour(Qt::red);
    (void)Drawn(board);
    widget->setColour(Qt::darkBlue);
    // Only the smoothing of the edges may differ by a little.
    EXPECT_LE(LargestDifference(Drawn(board), Expected(line, 21, Qt::darkBlue)), 64);
}

TEST(CellDrawing, ShowsThePictureInsideTheDiamondAndLeavesTheCornersToWhatLiesBelow) {
    QWidget board;
    auto* cell = new CellBox(&board, 44);
    cell->move(40, 30);
    LayGround(board);
    cell->setPicture(Picture::Vint1Red, testing::SourcePictures());
    const QImage drawn = Drawn(board);
    const QImage picture = cell->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(drawn.pixel(40 + 12, 30 + 12), picture.pixel(12, 12));  // the middle
    EXPECT_EQ(drawn.pixel(40 + 12, 30 + 1), picture.pixel(12, 1));    // the top point
    EXPECT_EQ(drawn.pixel(40, 30), Ground.rgb());                     // a corner
    EXPECT_EQ(drawn.pixel(40 + 24, 30 + 24), Ground.rgb());
    cell->setPicture(Picture::Vint3Blue, testing::SourcePictures());
    const QImage blue = testing::SourcePictures().load(Picture::Vint3Blue).toImage();
    EXPECT_EQ(Drawn(board).pixel(40 + 12, 30 + 12), blue.convertToFormat(QImage::Format_RGB32).pixel(12, 12));
}

TEST(CellDrawing, PrintsItsNumberOnTheGroundAndNeverOverTheMan) {
    QWidget board;
    auto* cell = new CellBox(&board, 88);
    cell->move(40, 30);
    LayGround(board);
    cell->setPicture(Picture::Vint1Red, testing::SourcePictures());
    const QImage plain = Drawn(board);
    cell->setMarks({.number = true});
    const QImage numbered = Drawn(board);
    const QImage picture = cell->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint at(40 + x, 30 + y);
            if (picture.pixel(x, y) != qRgb(255, 255, 255))
                EXPECT_EQ(numbered.pixel(at), plain.pixel(at)) << x << "," << y << " of the man";
            else
                inked += numbered.pixel(at) != plain.pixel(at);
        }
    EXPECT_GT(inked, 5) << "the number shows beside the man";
}

}  // namespace
}  // namespace vintrel
