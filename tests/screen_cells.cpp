// Reads a screenshot of a real display for the tests that run the program
// under an X server: where the board stands, whether each of its 100
// diamonds shows the picture a position calls for, and whether a panel of
// one colour stands where it belongs.
//
//   screen_cells find   SHOT VIEW LAYOUT PICTURES      prints "X Y", the client
//                                                      area's origin on screen
//   screen_cells cells  SHOT VIEW LAYOUT PICTURES X Y  lists the cells that differ
//   screen_cells panel  SHOT X Y LEFT TOP WIDTH HEIGHT R G B
//   screen_cells read   SHOT VIEW PICTURES X Y         prints the LAYOUT shown,
//                                                      '?' where no picture fits
//
// VIEW is "red" or "blue". LAYOUT holds one character per cell, 0 to 99:
// 'r' a red man, 'b' a blue man, '.' an empty diamond. PICTURES is the
// folder of the nine picture files. X Y is the client area's origin on the
// screen; LEFT TOP WIDTH HEIGHT place the panel in the client area. Exit
// status: 0 as expected, 1 not, 2 on bad arguments or unreadable files.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int CellCount = 100;
constexpr int CellSide = 25;

struct BadArguments {
    std::string why;
};

// The pixels of a cell box that the program paints from the picture; its
// corners show the grid and the frame beneath. Centre first: that is where
// a man differs from the white around the board, so a search for the board
// rules most places out at the first pixel.
const std::vector<QPoint>& DiamondPixels() {
    static const std::vector<QPoint> pixels = [] {
        auto fromCentre = [](QPoint p) { return std::abs(p.x() - 12) + std::abs(p.y() - 12); };
        std::vector<QPoint> inside;
        for (int y = 0; y < CellSide; ++y)
            for (int x = 0; x < CellSide; ++x)
                if (std::abs(x + 0.5 - 12.5) + std::abs(y + 0.5 - 12.5) <= 22) inside.emplace_back(x, y);
        std::stable_sort(inside.begin(), inside.end(),
                         [&](QPoint a, QPoint b) { return fromCentre(a) < fromCentre(b); });
        return inside;
    }();
    return pixels;
}

// Top-left corner of cell `index`'s box in the client area.
QPoint CellCorner(int index, bool blueView) {
    if (blueView) index = 99 - index;
    const int row = index / 10, column = index % 10;
    return {(1440 + 360 * (row + column)) / 15, (3960 + 360 * (row - column)) / 15};
}

QImage LoadImage(const std::string& path) {
    QImage image(QString::fromStdString(path));
    if (image.isNull()) throw BadArguments{"cannot read " + path};
    return image.convertToFormat(QImage::Format_RGB32);
}

int ToInt(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0') throw BadArguments{std::string("not a number: ") + text};
    return int(value);
}

// The picture each cell of a position shows in one view.
struct ExpectedBoard {
    bool blueView = false;
    std::array<std::string, CellCount> names;
    std::map<std::string, QImage> pictures;

    const QImage& pictureOf(int cell) const { return pictures.at(names[cell]); }
};

std::string PictureName(char occupant, bool blueView) {
    switch (occupant) {
        case 'r': return blueView ? "imVint3red.bmp" : "imVint1red.bmp";
        case 'b': return blueView ? "imVint1blue.bmp" : "imVint3blue.bmp";
        case '.': return "imBlank.bmp";
    }
    throw BadArguments{std::string("unknown occupant '") + occupant + "' in the layout"};
}

ExpectedBoard ReadExpectation(const std::string& view, const std::string& layout,
                              const std::string& pictureFolder) {
    if (view != "red" && view != "blue") throw BadArguments{"view must be red or blue"};
    if (layout.size() != CellCount) throw BadArguments{"the layout needs 100 cells"};
    ExpectedBoard board;
    board.blueView = view == "blue";
    for (int i = 0; i < CellCount; ++i) {
        board.names[i] = PictureName(layout[i], board.blueView);
        if (!board.pictures.count(board.names[i]))
            board.pictures[board.names[i]] = LoadImage(pictureFolder + "/" + board.names[i]);
    }
    return board;
}

// How many diamond pixels of `cell` differ on screen, the board's client
// area standing at `origin`; stops counting at `enough`.
int DifferingPixels(const QImage& screen, const ExpectedBoard& board, int cell, QPoint origin,
                    int enough) {
    const QPoint corner = origin + CellCorner(cell, board.blueView);
    const QImage& picture = board.pictureOf(cell);
    int differing = 0;
    for (const QPoint& pixel : DiamondPixels()) {
        const QPoint onScreen = corner + pixel;
        const bool same = screen.rect().contains(onScreen) &&
                          (screen.pixel(onScreen) & 0xffffff) == (picture.pixel(pixel) & 0xffffff);
        if (!same && ++differing >= enough) break;
    }
    return differing;
}

// Men first: an empty diamond is too plain to tell the board from the
// white around it.
std::vector<int> SearchOrder(const ExpectedBoard& board) {
    std::vector<int> order;
    for (int i = 0; i < CellCount; ++i)
        if (board.names[i] != "imBlank.bmp") order.push_back(i);
    for (int i = 0; i < CellCount; ++i)
        if (board.names[i] == "imBlank.bmp") order.push_back(i);
    return order;
}

bool BoardMatchesAt(const QImage& screen, const ExpectedBoard& board, const std::vector<int>& order,
                    QPoint origin) {
    for (int cell : order)
        if (DifferingPixels(screen, board, cell, origin, 1) > 0) return false;
    return true;
}

int Find(const QImage& screen, const ExpectedBoard& board) {
    const std::vector<int> order = SearchOrder(board);
    std::vector<QPoint> found;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (BoardMatchesAt(screen, board, order, {x, y})) found.emplace_back(x, y);
    if (found.size() != 1) {
        std::printf("the board was found %zu times on the screen\n", found.size());
        return 1;
    }
    std::printf("%d %d\n", found[0].x(), found[0].y());
    return 0;
}

int Cells(const QImage& screen, const ExpectedBoard& board, QPoint origin) {
    const int diamond = int(DiamondPixels().size());
    int wrongCells = 0;
    for (int cell = 0; cell < CellCount; ++cell) {
        const int differing = DifferingPixels(screen, board, cell, origin, diamond);
        if (differing == 0) continue;
        ++wrongCells;
        std::printf("cell %d does not show %s: %d of %d diamond pixels differ\n", cell,
                    board.names[cell].c_str(), differing, diamond);
    }
    return wrongCells == 0 ? 0 : 1;
}

int Read(const QImage& screen, const std::string& view, const std::string& pictureFolder, QPoint origin) {
    const std::string occupants = "rb.";
    std::vector<ExpectedBoard> boards;
    for (char occupant : occupants)
        boards.push_back(ReadExpectation(view, std::string(CellCount, occupant), pictureFolder));
    std::string layout;
    for (int cell = 0; cell < CellCount; ++cell) {
        char seen = '?';
        for (std::size_t i = 0; i < boards.size(); ++i)
            if (DifferingPixels(screen, boards[i], cell, origin, 1) == 0) seen = occupants[i];
        layout += seen;
    }
    std::printf("%s\n", layout.c_str());
    return layout.find('?') == std::string::npos ? 0 : 1;
}

// A panel is in place when it wears its colour along each of its four
// edges and over most of it, and nothing of that colour touches it from
// outside: the colour's extent is then the panel's rectangle. Text may
// reach into any corner, so no single pixel is demanded.
int Panel(const QImage& screen, QRect panel, QRgb colour) {
    auto wears = [&](QPoint p) {
        return screen.rect().contains(p) && (screen.pixel(p) & 0xffffff) == (colour & 0xffffff);
    };
    auto share = [&](QPoint from, QPoint step, int count) {
        int wearing = 0;
        for (int i = 0; i < count; ++i) wearing += wears(from + i * step);
        return double(wearing) / count;
    };
    const int width = panel.width(), height = panel.height();
    double inside = 0;
    for (int y = panel.top(); y <= panel.bottom(); ++y)
        inside += share({panel.left(), y}, {1, 0}, width) / height;
    const std::array<double, 4> edges = {
        share(panel.topLeft(), {1, 0}, width), share(panel.bottomLeft(), {1, 0}, width),
        share(panel.topLeft(), {0, 1}, height), share(panel.topRight(), {0, 1}, height)};
    const QRect around = panel.adjusted(-1, -1, 1, 1);
    const double outside =
        share(around.topLeft(), {1, 0}, width + 2) + share(around.bottomLeft(), {1, 0}, width + 2) +
        share(around.topLeft(), {0, 1}, height + 2) + share(around.topRight(), {0, 1}, height + 2);
    std::printf("the colour covers %.0f%% of the panel, %.0f%% %.0f%% %.0f%% %.0f%% of its top, bottom, "
                "left and right edges, and %s just outside it\n",
                100 * inside, 100 * edges[0], 100 * edges[1], 100 * edges[2], 100 * edges[3],
                outside > 0 ? "some pixels" : "no pixel");
    const bool edgesWear = std::all_of(edges.begin(), edges.end(), [](double e) { return e >= 0.25; });
    return edgesWear && inside >= 0.5 && outside == 0 ? 0 : 1;
}

int Run(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "find" && argc == 6)
        return Find(LoadImage(argv[2]), ReadExpectation(argv[3], argv[4], argv[5]));
    if (mode == "cells" && argc == 8)
        return Cells(LoadImage(argv[2]), ReadExpectation(argv[3], argv[4], argv[5]),
                     {ToInt(argv[6]), ToInt(argv[7])});
    if (mode == "read" && argc == 7)
        return Read(LoadImage(argv[2]), argv[3], argv[4], {ToInt(argv[5]), ToInt(argv[6])});
    if (mode == "panel" && argc == 12) {
        const QPoint origin(ToInt(argv[3]), ToInt(argv[4]));
        const QRect panel = QRect(ToInt(argv[5]), ToInt(argv[6]), ToInt(argv[7]), ToInt(argv[8]))
                                .translated(origin);
        return Panel(LoadImage(argv[2]), panel, qRgb(ToInt(argv[9]), ToInt(argv[10]), ToInt(argv[11])));
    }
    throw BadArguments{"usage: screen_cells find|cells|panel|read ... (see the source)"};
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        return Run(argc, argv);
    } catch (const BadArguments& bad) {
        std::fprintf(stderr, "screen_cells: %s\n", bad.why.c_str());
        return 2;
    }
}
