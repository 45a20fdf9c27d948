// The board model: cell indices, sides, occupant tags, the home corners and
// the starting position, and the scan for a side's men.
#include "board.h"
#include "rules_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace vintrel {
namespace {

using testing::PositionWith;
using testing::RowName;

// ---------------------------------------------------------------- cells

struct CellRow {
    std::string name;
    Cell cell;
    int row;
    int column;
    friend void PrintTo(const CellRow& r, std::ostream* out) { *out << r.name; }
};

class CellIndex : public ::testing::TestWithParam<CellRow> {};

TEST_P(CellIndex, SplitsIntoRowAndColumnOfTheSquareGrid) {
    const CellRow& r = GetParam();
    EXPECT_EQ(RowOf(r.cell), r.row);
    EXPECT_EQ(ColumnOf(r.cell), r.column);
    EXPECT_EQ(10 * r.row + r.column, r.cell);
    EXPECT_TRUE(IsOnBoard(r.cell));
}

INSTANTIATE_TEST_SUITE_P(Corners, CellIndex,
                         ::testing::Values(CellRow{"LeftCorner0", 0, 0, 0},
                                           CellRow{"TopCorner9", 9, 0, 9},
                                           CellRow{"BottomCorner90", 90, 9, 0},
                                           CellRow{"RightCorner99", 99, 9, 9}),
                         RowName());
INSTANTIATE_TEST_SUITE_P(Inner, CellIndex,
                         ::testing::Values(CellRow{"Middle55", 55, 5, 5},
                                           CellRow{"RedHome61", 61, 6, 1},
                                           CellRow{"BlueHome38", 38, 3, 8},
                                           CellRow{"EdgeColumn50", 50, 5, 0},
                                           CellRow{"EdgeColumn49", 49, 4, 9}),
                         RowName());

struct OnBoardRow {
    std::string name;
    int cell;
    bool onBoard;
    friend void PrintTo(const OnBoardRow& r, std::ostream* out) { *out << r.name; }
};

class OnBoard : public ::testing::TestWithParam<OnBoardRow> {};

TEST_P(OnBoard, OnlyTheHundredIndicesFromZero) {
    EXPECT_EQ(IsOnBoard(GetParam().cell), GetParam().onBoard);
}

INSTANTIATE_TEST_SUITE_P(Bounds, OnBoard,
                         ::testing::Values(OnBoardRow{"MinusOne", -1, false},
                                           OnBoardRow{"Zero", 0, true},
                                           OnBoardRow{"NinetyNine", 99, true},
                                           OnBoardRow{"NoCell", NoCell, false},
                                           OnBoardRow{"CellCount", CellCount, false},
                                           OnBoardRow{"FarOut", 1000, false}),
                         RowName());

TEST(CellCount, NoCellIsOnePastTheLastIndex) {
    EXPECT_EQ(CellCount, 100);
    EXPECT_EQ(NoCell, 100);
}

// ---------------------------------------------------------------- sides

struct SideRow {
    std::string name;
    Side side;
    Occupant man;
    std::string_view tag;
    Side opponent;
    Cell ownCorner;      // the cornermost diamond of its home corner
    Cell winningCell;    // the opponent's cornermost diamond
    friend void PrintTo(const SideRow& r, std::ostream* out) { *out << r.name; }
};

class Sides : public ::testing::TestWithParam<SideRow> {};

TEST_P(Sides, ManTagOpponentAndCorners) {
    const SideRow& r = GetParam();
    EXPECT_EQ(ManOf(r.side), r.man);
    EXPECT_EQ(SideOf(r.man), r.side);
    EXPECT_EQ(TagOf(r.side), r.tag);
    EXPECT_EQ(TagOf(r.man), r.tag);
    EXPECT_EQ(OccupantOfTag(r.tag), r.man);
    EXPECT_EQ(Opponent(r.side), r.opponent);
    EXPECT_EQ(Opponent(Opponent(r.side)), r.side);
    EXPECT_EQ(WinningCell(r.side), r.winningCell);
    // Each side wins on the cornermost diamond of the other's home corner.
    EXPECT_EQ(WinningCell(r.opponent), r.ownCorner);
    EXPECT_EQ(StartingPosition()[r.ownCorner], r.man);
    EXPECT_EQ(StartingPosition()[r.winningCell], ManOf(r.opponent));
}

INSTANTIATE_TEST_SUITE_P(Both, Sides,
                         ::testing::Values(SideRow{"Red", Side::Red, Occupant::RedMan, "H1",
                                                   Side::Blue, 90, 9},
                                           SideRow{"Blue", Side::Blue, Occupant::BlueMan, "H3",
                                                   Side::Red, 9, 90}),
                         RowName());

// ----------------------------------------------------------------- tags

struct TagRow {
    std::string name;
    std::string tag;
    Occupant occupant;
    friend void PrintTo(const TagRow& r, std::ostream* out) { *out << r.name; }
};

class TagReading : public ::testing::TestWithParam<TagRow> {};

TEST_P(TagReading, AnyTextButASidesTagIsAnEmptyDiamond) {
    EXPECT_EQ(OccupantOfTag(GetParam().tag), GetParam().occupant);
}

INSTANTIATE_TEST_SUITE_P(Texts, TagReading,
                         ::testing::Values(TagRow{"RedTag", "H1", Occupant::RedMan},
                                           TagRow{"BlueTag", "H3", Occupant::BlueMan},
                                           TagRow{"EmptyTag", "", Occupant::Empty},
                                           TagRow{"LowerCase", "h1", Occupant::Empty},
                                           TagRow{"OtherDigit", "H2", Occupant::Empty},
                                           TagRow{"LeadingSpace", " H1", Occupant::Empty},
                                           TagRow{"TrailingSpace", "H3 ", Occupant::Empty},
                                           TagRow{"LetterOnly", "H", Occupant::Empty},
                                           TagRow{"Longer", "H13", Occupant::Empty}),
                         RowName());

TEST(TagWriting, EveryOccupantRoundTrips) {
    for (Occupant occupant : {Occupant::Empty, Occupant::RedMan, Occupant::BlueMan})
        EXPECT_EQ(OccupantOfTag(TagOf(occupant)), occupant) << ::testing::PrintToString(occupant);
    EXPECT_EQ(TagOf(Occupant::Empty), "");
}

// ------------------------------------------------------ starting position

// The home corner as a player counts it: the lines of diamonds at a given
// distance from the own cornermost diamond, distance = (9 - row) + column
// for red. Lines 0 to 3 are full, line 4 holds its middle three only.
struct HomeLineRow {
    std::string name;
    int distance;
    std::vector<Cell> red;
    std::vector<Cell> blue;
    friend void PrintTo(const HomeLineRow& r, std::ostream* out) { *out << r.name; }
};

class HomeLine : public ::testing::TestWithParam<HomeLineRow> {};

TEST_P(HomeLine, HoldsAManOnEachOfItsCellsAtTheStart) {
    const HomeLineRow& r = GetParam();
    const Position start = StartingPosition();
    ASSERT_EQ(r.red.size(), r.blue.size());
    for (std::size_t i = 0; i < r.red.size(); ++i) {
        const Cell red = r.red[i];
        EXPECT_EQ((9 - RowOf(red)) + ColumnOf(red), r.distance) << red;
        EXPECT_EQ(start[red], Occupant::RedMan) << red;
        // Blue's corner is red's turned half round.
        EXPECT_EQ(r.blue[i], 99 - red);
        EXPECT_EQ(start[r.blue[i]], Occupant::BlueMan) << r.blue[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HomeLine,
    ::testing::Values(HomeLineRow{"Corner", 0, {90}, {9}},
                      HomeLineRow{"Line1", 1, {80, 91}, {19, 8}},
                      HomeLineRow{"Line2", 2, {70, 81, 92}, {29, 18, 7}},
                      HomeLineRow{"Line3", 3, {60, 71, 82, 93}, {39, 28, 17, 6}},
                      HomeLineRow{"Line4MiddleThree", 4, {61, 72, 83}, {38, 27, 16}}),
    RowName());

bool InRedHomeCorner(Cell cell) {
    const int distance = (9 - RowOf(cell)) + ColumnOf(cell);
    return distance <= 3 || cell == 61 || cell == 72 || cell == 83;
}

TEST(StartingPosition, HomeCornersAndNothingElse) {
    const Position start = StartingPosition();
    int red = 0, blue = 0, empty = 0;
    for (Cell cell = 0; cell < CellCount; ++cell) {
        const Occupant expected = InRedHomeCorner(cell)             ? Occupant::RedMan
                                  : InRedHomeCorner(Cell(99 - cell)) ? Occupant::BlueMan
                                                                     : Occupant::Empty;
        EXPECT_EQ(start[cell], expected) << "cell " << cell;
        red += start[cell] == Occupant::RedMan;
        blue += start[cell] == Occupant::BlueMan;
        empty += start[cell] == Occupant::Empty;
    }
    EXPECT_EQ(red, 13);
    EXPECT_EQ(blue, 13);
    EXPECT_EQ(empty, 74);
}

TEST(StartingPosition, OuterCellsOfTheFifthLineStayEmpty) {
    const Position start = StartingPosition();
    for (Cell cell : {50, 94, 5, 49}) EXPECT_EQ(start[cell], Occupant::Empty) << cell;
}

TEST(StartingPosition, HomeCellListsAreTheCornersInLayingOutOrder) {
    const std::vector<Cell> red(RedHomeCells.begin(), RedHomeCells.end());
    const std::vector<Cell> blue(BlueHomeCells.begin(), BlueHomeCells.end());
    EXPECT_EQ(red, (std::vector<Cell>{60, 70, 80, 90, 61, 71, 72, 81, 82, 83, 91, 92, 93}));
    EXPECT_EQ(blue, (std::vector<Cell>{7, 8, 9, 6, 17, 16, 18, 19, 27, 28, 29, 38, 39}));
    std::set<Cell> mirrored;
    for (Cell cell : red) mirrored.insert(Cell(99 - cell));
    EXPECT_EQ(mirrored, std::set<Cell>(blue.begin(), blue.end()));
    EXPECT_EQ(std::set<Cell>(red.begin(), red.end()).size(), 13u);
}

// ----------------------------------------------------------- men on board

struct HasManRow {
    std::string name;
    std::vector<Cell> red;
    std::vector<Cell> blue;
    bool hasRed;
    bool hasBlue;
    friend void PrintTo(const HasManRow& r, std::ostream* out) { *out << r.name; }
};

class HasMan : public ::testing::TestWithParam<HasManRow> {};

TEST_P(HasMan, FindsAManOfTheSideAnywhere) {
    const HasManRow& r = GetParam();
    const Position position = PositionWith(r.red, r.blue);
    EXPECT_EQ(HasManOf(position, Side::Red), r.hasRed);
    EXPECT_EQ(HasManOf(position, Side::Blue), r.hasBlue);
}

INSTANTIATE_TEST_SUITE_P(Positions, HasMan,
                         ::testing::Values(HasManRow{"EmptyBoard", {}, {}, false, false},
                                           HasManRow{"RedOnFirstCell", {0}, {}, true, false},
                                           HasManRow{"BlueOnLastCell", {}, {99}, false, true},
                                           HasManRow{"RedOnLastCell", {99}, {0}, true, true},
                                           HasManRow{"OneEach", {55}, {44}, true, true},
                                           HasManRow{"ManyBlue", {}, {1, 2, 3, 97}, false, true}),
                         RowName());

TEST(StartingPosition, HasMenOfBothSides) {
    EXPECT_TRUE(HasManOf(StartingPosition(), Side::Red));
    EXPECT_TRUE(HasManOf(StartingPosition(), Side::Blue));
}

}  // namespace
}  // namespace vintrel
