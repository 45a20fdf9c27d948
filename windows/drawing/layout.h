// The board window's drawing, as data: every place is in twips (1/1440
// inch) from the top-left corner of the client area, the way the board was
// first drawn; a pixel is 15 twips and Qt scales pixels for high-DPI screens.
#pragma once

#include <QColor>
#include <QLineF>
#include <QRect>

#include <array>
#include <span>

namespace vintrel::layout {

inline constexpr int TwipsPerPixel = 15;
constexpr qreal Pixels(int twips) { return qreal(twips) / TwipsPerPixel; }

struct TwipRect {
    int left, top, width, height;
    QRect pixels() const {
        return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
                     height / TwipsPerPixel);
    }
};

struct TwipLine {
    int x1, y1, x2, y2;
    QLineF pixels() const { return QLineF(Pixels(x1), Pixels(y1), Pixels(x2), Pixels(y2)); }
};

struct Rgb {
    int red, green, blue;
    QColor colour() const { return QColor(red, green, blue); }
};

struct FontSpec {
    const char* family;
    qreal points;
    bool bold;
};

inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};
// Everything around the board wears this until the window is first shown.
inline constexpr Rgb Peach{255, 224, 192};

inline constexpr int ClientWidth = 11880;
inline constexpr int ClientHeight = 8310;
inline constexpr int CellSize = 375;

struct LineSpec {
    TwipLine line;
    int widthInPixels;
};

// A panel label or a command button.
struct ControlSpec {
    const char* name;
    const char* text;
    TwipRect place;
    Rgb back;
    FontSpec font;
    Qt::Alignment alignment;
};

// Where the box of cell `index` stands. The red view has cell 0 at the
// board's left corner and cell 9 at the top; the blue view is the red view
// turned half round, so it draws cell i where the red view draws 99 - i.
constexpr TwipRect CellPlace(int index, bool turnedHalfRound) {
    if (turnedHalfRound) index = 99 - index;
    const int row = index / 10, column = index % 10;
    return {1440 + 360 * (row + column), 3960 + 360 * (row - column), CellSize, CellSize};
}

// The grid's two families of eleven lines, the same in both views.
extern const std::array<TwipLine, 11> GridDownRight;  // lnlin
extern const std::array<TwipLine, 11> GridDownLeft;   // lnin
extern const std::array<LineSpec, 4> ColourLines;     // lnColor
extern const std::array<TwipLine, 3> Monogram;        // Line1..Line3
inline constexpr int MonogramWidth = 15;
inline constexpr int FrameWidth = 46;

// A run of the stacking order: one element, or the elements of an array
// from index `first` to `last` (either way round). Runs are listed front to
// back.
struct StackRun {
    const char* name;
    int first = -1;
    int last = -1;
};

}  // namespace vintrel::layout
