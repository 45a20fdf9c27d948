#include "range.h"

#include <algorithm>

namespace vintrel {
namespace {

struct Step {
    int rows;
    int columns;
};

// Red's directions; blue's are the same steps reversed.
constexpr std::array<Step, 5> RedSteps = {{{-1, +1}, {-1, 0}, {0, +1}, {-1, -1}, {+1, +1}}};

Range ComputeRange(Side side, Cell from) {
    const int sign = side == Side::Red ? 1 : -1;
    std::array<Cell, 10> reached{};
    int count = 0;
    for (const Step& step : RedSteps) {
        for (int distance = 1; distance <= 2; ++distance) {
            // Rows and columns are bounded separately: a plain index sum
            // would wrap round the grid's side edges.
            const int row = RowOf(from) + sign * distance * step.rows;
            const int column = ColumnOf(from) + sign * distance * step.columns;
            if (row >= 0 && row <= 9 && column >= 0 && column <= 9)
                reached[count++] = static_cast<Cell>(10 * row + column);
        }
    }
    std::sort(reached.begin(), reached.begin() + count);
    Range range;
    for (int i = 0; i < count; ++i) range.add(reached[i]);
    return range;
}

using RangeTable = std::array<Range, CellCount>;

RangeTable ComputeTable(Side side) {
    RangeTable table;
    for (Cell cell = 0; cell < CellCount; ++cell) table[cell] = ComputeRange(side, cell);
    return table;
}

}  // namespace

bool Range::contains(Cell cell) const { return std::find(begin(), end(), cell) != end(); }

const Range& RangeOf(Side side, Cell from) {
    static const RangeTable red = ComputeTable(Side::Red);
    static const RangeTable blue = ComputeTable(Side::Blue);
    return (side == Side::Red ? red : blue)[from];
}

bool IsInRange(Side side, Cell from, Cell to) {
    return IsOnBoard(from) && RangeOf(side, from).contains(to);
}

}  // namespace vintrel
