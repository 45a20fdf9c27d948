// Draws the nine 25 x 25 cell pictures of VINTREL as BMP files, and the
// same nine at twice and three times the size for finer screens
// ("imVint1red@2x.bmp", "imVint1red@3x.bmp", ...).
//
// To redraw them, from the repository root:
//   cmake -S assets/draw -B /tmp/drawbuild && cmake --build /tmp/drawbuild
//   /tmp/drawbuild/draw_pictures assets
//
// A cell box shows its picture unscaled inside a white diamond, so every
// picture is 25 x 25 on a white ground, or 50 x 50 and 75 x 75 for the
// versions, drawn from the same shapes so that none is a blown-up copy. The digit in a man's file name says
// where his home corner lies in the view showing him: a "1" man's home is at
// the bottom, so he moves up; a "3" man moves down. The chevron shows that
// way. "Com" pictures wear a bright ring so the man to be captured stands out.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>

#include <array>
#include <cstdio>
#include <optional>
#include <utility>

namespace {

constexpr int pictureSize = 25;
const QPointF centre(pictureSize / 2.0, pictureSize / 2.0);

enum class Heading { Up, Down };

struct Man {
    QColor body;
    QColor rim;
    Heading heading;
    bool committed;
};

struct Picture {
    const char *fileName;
    std::optional<Man> man;  // none: an empty diamond
};

const QColor redBody(220, 30, 30), redRim(120, 0, 0);
const QColor blueBody(30, 70, 220), blueRim(0, 20, 110);

const std::array<Picture, 9> pictures{{
    {"imBlank.bmp", std::nullopt},
    {"imVint1red.bmp", Man{redBody, redRim, Heading::Up, false}},
    {"imVint3blue.bmp", Man{blueBody, blueRim, Heading::Down, false}},
    {"imVint1blue.bmp", Man{blueBody, blueRim, Heading::Up, false}},
    {"imVint3red.bmp", Man{redBody, redRim, Heading::Down, false}},
    {"imVint1redCom.bmp", Man{redBody, redRim, Heading::Up, true}},
    {"imVint3blueCom.bmp", Man{blueBody, blueRim, Heading::Down, true}},
    {"imVint1blueCom.bmp", Man{blueBody, blueRim, Heading::Up, true}},
    {"imVint3redCom.bmp", Man{redBody, redRim, Heading::Down, true}},
}};

const QColor white(255, 255, 255);
const QColor chevronColour(255, 244, 214);
const QColor ringColour(255, 200, 0);
const QColor ringEdge(200, 110, 0);

void fillDisc(QPainter &painter, double radius, const QColor &colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

void drawChevron(QPainter &painter, Heading heading)
{
    // The tip sits a little past the centre so the chevron looks centred.
    const double tipOffset = heading == Heading::Up ? -3.5 : 3.5;
    const double tipY = centre.y() + tipOffset;
    const double armY = centre.y() - tipOffset;
    QPainterPath path;
    path.moveTo(centre.x() - 5.0, armY);
    path.lineTo(centre.x(), tipY);
    path.lineTo(centre.x() + 5.0, armY);
    painter.setPen(QPen(chevronColour, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void drawMan(QPainter &painter, const Man &man)
{
    if (man.committed) {
        fillDisc(painter, 12.4, ringEdge);
        fillDisc(painter, 11.4, ringColour);
        fillDisc(painter, 9.0, man.rim);
        fillDisc(painter, 7.6, man.body);
    } else {
        fillDisc(painter, 11.0, man.rim);
        fillDisc(painter, 9.2, man.body);
    }
    drawChevron(painter, man.heading);
}

// The corners lie under the diamond's edges; any tint there would show as a
// smudge on the grid lines.
void whitenCorners(QImage &image, int scale)
{
    const int last = pictureSize - 1;
    for (const auto &[x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}})
        for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
                image.setPixelColor(x * scale + dx, y * scale + dy, white);
}

QImage drawPicture(const Picture &picture, int scale)
{
    QImage image(pictureSize * scale, pictureSize * scale, QImage::Format_RGB32);
    image.fill(white);
    if (picture.man) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        drawMan(painter, *picture.man);
    }
    whitenCorners(image, scale);
    return image;
}

// "imVint1red.bmp" at scale 2 is "imVint1red@2x.bmp".
QString fileNameAt(const char *fileName, int scale)
{
    QString name = QString::fromLatin1(fileName);
    if (scale > 1)
        name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    return name;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int scale : {1, 2, 3}) {
        for (const Picture &picture : pictures) {
            const QString path = folder.filePath(fileNameAt(picture.fileName, scale));
            if (!drawPicture(picture, scale).save(path, "BMP")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
