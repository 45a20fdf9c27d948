// The range of a man: one or two diamonds along its side's five directions,
// bounded by the grid's edges, whatever stands on the board.
#include "range.h"
#include "rules_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace vintrel {
namespace {

using testing::CellsOf;
using testing::RowName;

// ------------------------------------------------------- known ranges

struct RangeRow {
    std::string name;
    Side side;
    Cell from;
    std::vector<Cell> range;  // ascending
    friend void PrintTo(const RangeRow& r, std::ostream* out) { *out << r.name; }
};

class KnownRange : public ::testing::TestWithParam<RangeRow> {};

TEST_P(KnownRange, IsExactlyTheseCellsInAscendingOrder) {
    const RangeRow& r = GetParam();
    EXPECT_EQ(CellsOf(RangeOf(r.side, r.from)), r.range);
    EXPECT_EQ(RangeOf(r.side, r.from).size(), int(r.range.size()));
    for (Cell to : r.range) EXPECT_TRUE(IsInRange(r.side, r.from, to)) << to;
}

INSTANTIATE_TEST_SUITE_P(
    Red, KnownRange,
    ::testing::Values(
        RangeRow{"OwnCorner90", Side::Red, 90, {70, 72, 80, 81, 91, 92}},
        RangeRow{"Middle55", Side::Red, 55, {33, 35, 37, 44, 45, 46, 56, 57, 66, 77}},
        RangeRow{"NextToGoal8", Side::Red, 8, {9, 19}},
        RangeRow{"NearGoal18", Side::Red, 18, {7, 8, 9, 19, 29}},
        RangeRow{"NearGoal28", Side::Red, 28, {6, 8, 17, 18, 19, 29, 39}},
        RangeRow{"LeftCorner0", Side::Red, 0, {1, 2, 11, 22}},
        RangeRow{"RightCorner99", Side::Red, 99, {77, 79, 88, 89}},
        RangeRow{"HomeEdge91", Side::Red, 91, {71, 73, 80, 81, 82, 92, 93}},
        RangeRow{"Home81", Side::Red, 81, {61, 63, 70, 71, 72, 82, 83, 92}},
        RangeRow{"LeftColumn50", Side::Red, 50, {30, 32, 40, 41, 51, 52, 61, 72}},
        RangeRow{"Goal9", Side::Red, 9, {}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Blue, KnownRange,
    ::testing::Values(
        RangeRow{"OwnCorner9", Side::Blue, 9, {7, 8, 18, 19, 27, 29}},
        RangeRow{"NextToGoal91", Side::Blue, 91, {80, 90}},
        RangeRow{"NextToGoal80", Side::Blue, 80, {90, 91}},
        RangeRow{"Middle44", Side::Blue, 44, {22, 33, 42, 43, 53, 54, 55, 62, 64, 66}},
        RangeRow{"Middle55", Side::Blue, 55, {33, 44, 53, 54, 64, 65, 66, 73, 75, 77}},
        RangeRow{"Home18", Side::Blue, 18, {7, 16, 17, 27, 28, 29, 36, 38}},
        RangeRow{"LeftCorner0", Side::Blue, 0, {10, 11, 20, 22}},
        RangeRow{"TopEdge1", Side::Blue, 1, {0, 10, 11, 12, 21, 23}},
        RangeRow{"RightCorner99", Side::Blue, 99, {77, 88, 97, 98}},
        RangeRow{"Goal90", Side::Blue, 90, {}}),
    RowName());

// ------------------------------------------------------ cells never reached

struct OutOfRangeRow {
    std::string name;
    Side side;
    int from;
    int to;
    friend void PrintTo(const OutOfRangeRow& r, std::ostream* out) { *out << r.name; }
};

class OutOfRange : public ::testing::TestWithParam<OutOfRangeRow> {};

TEST_P(OutOfRange, IsNotInRange) {
    const OutOfRangeRow& r = GetParam();
    EXPECT_FALSE(IsInRange(r.side, Cell(r.from), Cell(r.to)));
}

INSTANTIATE_TEST_SUITE_P(
    Backward, OutOfRange,
    ::testing::Values(OutOfRangeRow{"RedStraightBack", Side::Red, 55, 64},
                      OutOfRangeRow{"RedBackRight", Side::Red, 55, 65},
                      OutOfRangeRow{"RedBackLeft", Side::Red, 55, 54},
                      OutOfRangeRow{"RedTwoBack", Side::Red, 55, 73},
                      OutOfRangeRow{"BlueStraightBack", Side::Blue, 44, 35},
                      OutOfRangeRow{"BlueBackLeft", Side::Blue, 44, 34},
                      OutOfRangeRow{"BlueBackRight", Side::Blue, 44, 45}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    WrappingRoundTheGrid, OutOfRange,
    ::testing::Values(OutOfRangeRow{"BlueFrom9PlusEleven", Side::Blue, 9, 20},
                      OutOfRangeRow{"BlueFrom9PlusTwentyTwo", Side::Blue, 9, 31},
                      OutOfRangeRow{"RedFrom50MinusEleven", Side::Red, 50, 39},
                      OutOfRangeRow{"RedFrom50MinusTwentyTwo", Side::Red, 50, 28},
                      OutOfRangeRow{"RedFrom19PlusOne", Side::Red, 19, 20},
                      OutOfRangeRow{"RedFrom49PlusEleven", Side::Red, 49, 60},
                      OutOfRangeRow{"RedFrom8PlusTwo", Side::Red, 8, 10},
                      OutOfRangeRow{"BlueFrom60MinusOne", Side::Blue, 60, 59},
                      OutOfRangeRow{"BlueFrom70PlusNine", Side::Blue, 70, 79}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    NoBentOrLongMoves, OutOfRange,
    ::testing::Values(OutOfRangeRow{"RedOwnCell", Side::Red, 55, 55},
                      OutOfRangeRow{"RedForwardThenDiagonal", Side::Red, 55, 36},
                      OutOfRangeRow{"RedDiagonalThenSideways", Side::Red, 55, 34},
                      OutOfRangeRow{"RedThreeForward", Side::Red, 55, 28},
                      OutOfRangeRow{"RedThreeSideways", Side::Red, 55, 22},
                      OutOfRangeRow{"RedKnightLike", Side::Red, 55, 47},
                      OutOfRangeRow{"BlueOwnCell", Side::Blue, 44, 44},
                      OutOfRangeRow{"BlueThreeForward", Side::Blue, 44, 71}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    OffTheBoard, OutOfRange,
    ::testing::Values(OutOfRangeRow{"FromNoCell", Side::Red, NoCell, 90},
                      OutOfRangeRow{"FromMinusOne", Side::Blue, -1, 9},
                      OutOfRangeRow{"ToNoCell", Side::Red, 99, NoCell},
                      OutOfRangeRow{"ToMinusOne", Side::Blue, 0, -1},
                      OutOfRangeRow{"RedPastTheTopEdge", Side::Red, 8, -1}),
    RowName());

// ------------------------------------------------- every cell, both sides

// The range worked out from the rule as a player learns it: of the eight
// neighbouring diamonds, red uses the five that do not lower column minus
// row (that do not take it down the screen in the red view), blue the five
// that do not lower row minus column; one or two steps along each, while
// row and column stay on the grid.
std::vector<Cell> RangeByRule(Side side, Cell from) {
    std::vector<Cell> cells;
    for (int rows = -1; rows <= 1; ++rows) {
        for (int columns = -1; columns <= 1; ++columns) {
            if (rows == 0 && columns == 0) continue;
            const int ahead = side == Side::Red ? columns - rows : rows - columns;
            if (ahead < 0) continue;
            for (int distance = 1; distance <= 2; ++distance) {
                const int row = RowOf(from) + distance * rows;
                const int column = ColumnOf(from) + distance * columns;
                if (row >= 0 && row <= 9 && column >= 0 && column <= 9)
                    cells.push_back(Cell(10 * row + column));
            }
        }
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

// The same, as plain index offsets: right for a man in columns 2 to 7,
// where no step of two can cross a side edge of the grid.
std::vector<Cell> RangeByOffsets(Side side, Cell from) {
    static constexpr int red[] = {+2, +1, +22, +11, -22, -11, -9, -18, -10, -20};
    static constexpr int blue[] = {-2, -1, +22, +11, -22, -11, +9, +18, +10, +20};
    std::vector<Cell> cells;
    for (int offset : side == Side::Red ? red : blue)
        if (IsOnBoard(from + offset)) cells.push_back(Cell(from + offset));
    std::sort(cells.begin(), cells.end());
    return cells;
}

std::string SideAndCell(const ::testing::TestParamInfo<std::tuple<Side, int>>& info) {
    return (std::get<0>(info.param) == Side::Red ? "Red" : "Blue") +
           std::to_string(std::get<1>(info.param));
}

class EveryCell : public ::testing::TestWithParam<std::tuple<Side, int>> {
protected:
    Side side() const { return std::get<0>(GetParam()); }
    Cell from() const { return Cell(std::get<1>(GetParam())); }
};

TEST_P(EveryCell, RangeFollowsTheRuleOfFiveDirections) {
    EXPECT_EQ(CellsOf(RangeOf(side(), from())), RangeByRule(side(), from()));
}

TEST_P(EveryCell, InRangeExactlyForTheCellsOfTheRange) {
    const Range& range = RangeOf(side(), from());
    for (int to = -1; to <= CellCount; ++to)
        EXPECT_EQ(IsInRange(side(), from(), Cell(to)), range.contains(Cell(to))) << "to " << to;
}

TEST_P(EveryCell, AtMostTenDistinctCellsOnTheBoardNeverTheOwn) {
    const std::vector<Cell> cells = CellsOf(RangeOf(side(), from()));
    EXPECT_LE(cells.size(), 10u);
    EXPECT_TRUE(std::is_sorted(cells.begin(), cells.end()));
    EXPECT_EQ(std::adjacent_find(cells.begin(), cells.end()), cells.end());
    for (Cell cell : cells) {
        EXPECT_TRUE(IsOnBoard(cell)) << cell;
        EXPECT_NE(cell, from());
    }
}

TEST_P(EveryCell, ReachIsSymmetricBetweenOpponents) {
    // A man of this side on `from` reaches `to` exactly when an opponent's
    // man on `to` reaches `from`: what commitment relies on.
    for (Cell to = 0; to < CellCount; ++to)
        EXPECT_EQ(IsInRange(side(), from(), to), IsInRange(Opponent(side()), to, from()))
            << "to " << to;
}

INSTANTIATE_TEST_SUITE_P(Board, EveryCell,
                         ::testing::Combine(::testing::Values(Side::Red, Side::Blue),
                                            ::testing::Range(0, int(CellCount))),
                         SideAndCell);

class EveryBlueCell : public ::testing::TestWithParam<int> {};

TEST_P(EveryBlueCell, BlueRangeIsRedRangeTurnedHalfRound) {
    const Cell from = Cell(GetParam());
    std::vector<Cell> turned;
    for (Cell cell : RangeOf(Side::Red, Cell(99 - from))) turned.push_back(Cell(99 - cell));
    std::sort(turned.begin(), turned.end());
    EXPECT_EQ(CellsOf(RangeOf(Side::Blue, from)), turned);
}

INSTANTIATE_TEST_SUITE_P(Board, EveryBlueCell, ::testing::Range(0, int(CellCount)));

std::vector<int> MiddleColumnCells() {
    std::vector<int> cells;
    for (int cell = 0; cell < CellCount; ++cell)
        if (ColumnOf(Cell(cell)) >= 2 && ColumnOf(Cell(cell)) <= 7) cells.push_back(cell);
    return cells;
}

class MiddleColumnCell : public EveryCell {};

TEST_P(MiddleColumnCell, RangeIsThePlainIndexOffsetsThatStayOnTheBoard) {
    EXPECT_EQ(CellsOf(RangeOf(side(), from())), RangeByOffsets(side(), from()));
}

INSTANTIATE_TEST_SUITE_P(Board, MiddleColumnCell,
                         ::testing::Combine(::testing::Values(Side::Red, Side::Blue),
                                            ::testing::ValuesIn(MiddleColumnCells())),
                         SideAndCell);

// ----------------------------------------------------------- range sizes

struct SizeCountRow {
    std::string name;
    Side side;
    std::map<int, int> cellsBySize;
    friend void PrintTo(const SizeCountRow& r, std::ostream* out) { *out << r.name; }
};

class RangeSizes : public ::testing::TestWithParam<SizeCountRow> {};

TEST_P(RangeSizes, CountOfCellsForEachSize) {
    const SizeCountRow& r = GetParam();
    std::map<int, int> counted;
    for (Cell cell = 0; cell < CellCount; ++cell) ++counted[RangeOf(r.side, cell).size()];
    EXPECT_EQ(counted, r.cellsBySize);
}

// Ten diamonds on 36 cells, nine on 12, ..., none on the goal itself; the
// board turned half round gives blue the same count.
const std::map<int, int> SizeCounts = {{10, 36}, {9, 12}, {8, 13}, {7, 16}, {6, 3},
                                       {5, 1},   {4, 16}, {2, 2},  {0, 1}};

INSTANTIATE_TEST_SUITE_P(Both, RangeSizes,
                         ::testing::Values(SizeCountRow{"Red", Side::Red, SizeCounts},
                                           SizeCountRow{"Blue", Side::Blue, SizeCounts}),
                         RowName());

}  // namespace
}  // namespace vintrel
