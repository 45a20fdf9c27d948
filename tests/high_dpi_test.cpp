// The board on screens finer than its pixels: every cell shows its picture
// drawn for the screen, lines are smoothed at the screen's resolution, and
// a picture with no version for the screen is scaled smoothly, not blown up
// into blocks. CTest runs the suite AtTwice under QT_SCALE_FACTOR=2 and the
// suite AtOneAndAHalf under QT_SCALE_FACTOR=1.5.
#include "elements.h"
#include "game_driver.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace vintrel {
namespace {

using testing::Complaints;
using testing::GameDriver;

constexpr QSize Board(120, 100);
const QColor Ground(250, 240, 200);

// A plain board of `Board` pixels holding what `place` puts on it, as the
// screen shows it.
QImage Shown(const std::function<void(QWidget&)>& place) {
    QWidget board;
    board.setFixedSize(Board);
    board.setAutoFillBackground(true);
    QPalette palette = board.palette();
    palette.setColor(QPalette::Window, Ground);
    board.setPalette(palette);
    place(board);
    board.show();
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The largest difference of a colour channel between `a` at `offset` and
// `b`, over the pixels of `b` that `counts` picks.
int LargestDifference(const QImage& a, QPoint offset, const QImage& b,
                      const std::function<bool(int, int)>& counts = [](int, int) { return true; }) {
    int largest = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            if (!counts(x, y)) continue;
            const QRgb p = a.pixel(offset + QPoint(x, y)), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// QPainter's own smoothed line at twice the pixels, round-capped when
// thick. A hair line runs through the middles of the pixels it covers at 1x.
QImage SmoothedAtTwice(const QLineF& line, int width, const QColor& colour) {
    QImage image(Board * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap));
    painter.drawLine(width <= 1 ? line.translated(0.5, 0.5) : line);
    return image;
}

TEST(AtTwice, EveryCellShowsItsPictureDrawnAtTwiceTheSize) {
    GameDriver game;
    ASSERT_EQ(game.red().devicePixelRatioF(), 2);
    game.play("61-43 16-34");  // the blue view, then the red view again
    EXPECT_EQ(game.cellsPaintedWrongly(game.red()), Complaints{});
    game.trigger("mnuBlue");
    EXPECT_EQ(game.cellsPaintedWrongly(game.blue()), Complaints{});
}

TEST(AtTwice, AHairLineAndAFrameLineAreSmoothedAtTheScreensResolution) {
    const struct {
        QLineF line;
        int width;
    } lines[] = {{{10, 90, 90, 10}, 1}, {{30, 70, 90, 30}, 21}};
    for (const auto& [line, width] : lines) {
        const QImage shown = Shown([&](QWidget& board) { new LineWidget(&board, line, width); });
        const QImage expected = SmoothedAtTwice(line, width, Qt::black);
        ASSERT_EQ(shown.size(), expected.size());
        EXPECT_LE(LargestDifference(shown, {}, expected), 40) << "width " << width;
    }
}

TEST(AtOneAndAHalf, APictureWithNoVersionIsScaledSmoothlyAndStandardErrorHearsOnce) {
    QTemporaryDir scratch;
    for (int i = 0; i < PictureCount; ++i) {
        const QString name = QString::fromLatin1(FileNameOf(Picture(i)));
        ASSERT_TRUE(QFile::copy(QDir(QStringLiteral(VINTREL_ASSETS_DIR)).filePath(name), scratch.filePath(name)));
    }
    QFile broken(scratch.filePath(QStringLiteral("imVint1red@2x.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("BM, but no picture") > 0);
    broken.close();
    const PictureSearch search = PictureFiles::locate({scratch.path()});
    ASSERT_TRUE(search.files) << qPrintable(search.error);

    ::testing::internal::CaptureStderr();
    const QImage shown = Shown([&](QWidget& board) {
        for (QPoint place : {QPoint(40, 30), QPoint(80, 30)}) {
            auto* cell = new CellBox(&board, 44);
            cell->move(place);
            cell->setPicture(Picture::Vint1Red, *search.files);
        }
    });
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(QString::fromStdString(said).count(QStringLiteral("imVint1red@2x.bmp")), 1) << said;

    const QImage picture(scratch.filePath(QStringLiteral("imVint1red.bmp")));
    const QSize side(38, 38);  // 25 pixels at 1.5, a part pixel counting whole
    auto inDiamond = [](int x, int y) {
        return x < 37 && y < 37 && std::abs((x + 0.5) / 1.5 - 12.5) + std::abs((y + 0.5) / 1.5 - 12.5) <= 22;
    };
    const QPoint cell(60, 45);
    const auto smooth = picture.scaled(side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32);
    const auto blocks = picture.scaled(side, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                            .convertToFormat(QImage::Format_RGB32);
    EXPECT_LE(LargestDifference(shown, cell, smooth, inDiamond), 8);
    EXPECT_GE(LargestDifference(shown, cell, blocks, inDiamond), 64);
}

// The last move's outline is two pixels of the board wide, and the
// target's dot six across, in the screen's own pixels: the marks are drawn
// for the screen, not blown up from the board's pixels.
void ExpectMarksDrawnForTheScreen(qreal ratio) {
    const QImage shown = Shown([&](QWidget& board) {
        auto* cell = new CellBox(&board, 44);
        cell->move(40, 30);
        cell->setPicture(Picture::Blank, testing::SourcePictures());
        cell->setMarks({.lastMove = true, .target = true});
    });
    const int middle = int((30 + 12.5) * ratio), left = int(40 * ratio);
    auto runOf = [&](int from, const std::function<bool(QColor)>& isMark) {
        int run = 0;
        while (isMark(shown.pixelColor(from + run, middle))) ++run;
        return run;
    };
    const auto outline = [](QColor c) { return c.green() > c.red() + 60 && c.green() > c.blue() + 60; };
    const auto dot = [](QColor c) { return c.red() > 200 && c.blue() < 120; };
    EXPECT_EQ(runOf(left, outline), qRound(2 * ratio));
    int dotFrom = left;
    while (!dot(shown.pixelColor(dotFrom, middle)) && dotFrom < left + 25 * ratio) ++dotFrom;
    EXPECT_NEAR(runOf(dotFrom, dot), 6 * ratio, 1);
}

TEST(AtTwice, MarksAreDrawnAtTheScreensResolution) { ExpectMarksDrawnForTheScreen(2); }

TEST(AtOneAndAHalf, MarksAreDrawnAtTheScreensResolution) { ExpectMarksDrawnForTheScreen(1.5); }

}  // namespace
}  // namespace vintrel
