// Commitment: whether a man that has just moved stands in reach of an
// opponent's man, and which man the side to move is bound to capture.
#include "commitment.h"
#include "rules_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vintrel {
namespace {

using testing::PositionWith;
using testing::RowName;

// ------------------------------------- one opponent's man, on every cell

// The cells from which a single opponent's man commits the man that has
// just moved to `cell`.
struct ReachRow {
    std::string name;
    Side side;
    Cell cell;
    std::vector<Cell> committedFrom;
    friend void PrintTo(const ReachRow& r, std::ostream* out) { *out << r.name; }
};

class CommittedBy : public ::testing::TestWithParam<ReachRow> {};

TEST_P(CommittedBy, ExactlyTheseCellsOfASingleOpponent) {
    const ReachRow& r = GetParam();
    for (Cell opponent = 0; opponent < CellCount; ++opponent) {
        if (opponent == r.cell) continue;
        Position position = PositionWith({}, {});
        position[r.cell] = ManOf(r.side);
        position[opponent] = ManOf(Opponent(r.side));
        const bool expected = std::find(r.committedFrom.begin(), r.committedFrom.end(), opponent) !=
                              r.committedFrom.end();
        EXPECT_EQ(StandsCommitted(position, r.side, r.cell), expected) << "opponent on " << opponent;
    }
}

INSTANTIATE_TEST_SUITE_P(
    RedMan, CommittedBy,
    ::testing::Values(ReachRow{"LeftCorner0", Side::Red, 0, {1, 2, 11, 22}},
                      ReachRow{"NextToGoal8", Side::Red, 8, {9, 19}},
                      ReachRow{"OnGoal9", Side::Red, 9, {}},
                      ReachRow{"NearGoal18", Side::Red, 18, {7, 8, 9, 19, 29}},
                      ReachRow{"NearGoal28", Side::Red, 28, {6, 8, 17, 18, 19, 29, 39}},
                      ReachRow{"Middle55", Side::Red, 55, {33, 35, 37, 44, 45, 46, 56, 57, 66, 77}},
                      ReachRow{"Home81", Side::Red, 81, {61, 63, 70, 71, 72, 82, 83, 92}},
                      ReachRow{"RightCorner99", Side::Red, 99, {77, 79, 88, 89}}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    BlueMan, CommittedBy,
    ::testing::Values(ReachRow{"LeftCorner0", Side::Blue, 0, {10, 11, 20, 22}},
                      ReachRow{"TopEdge1", Side::Blue, 1, {0, 10, 11, 12, 21, 23}},
                      ReachRow{"Home18", Side::Blue, 18, {7, 16, 17, 27, 28, 29, 36, 38}},
                      ReachRow{"Middle55", Side::Blue, 55, {33, 44, 53, 54, 64, 65, 66, 73, 75, 77}},
                      ReachRow{"NextToGoal80", Side::Blue, 80, {90, 91}},
                      ReachRow{"OnGoal90", Side::Blue, 90, {}},
                      ReachRow{"NextToGoal91", Side::Blue, 91, {80, 90}},
                      ReachRow{"RightCorner99", Side::Blue, 99, {77, 88, 97, 98}}),
    RowName());

// ------------------------------------------------------ whole positions

struct CommittedRow {
    std::string name;
    Side side;  // of the man that has just moved
    Cell cell;  // where he now stands
    std::vector<Cell> red;
    std::vector<Cell> blue;
    bool committed;
    friend void PrintTo(const CommittedRow& r, std::ostream* out) { *out << r.name; }
};

class Committed : public ::testing::TestWithParam<CommittedRow> {};

TEST_P(Committed, AfterTheMove) {
    const CommittedRow& r = GetParam();
    EXPECT_EQ(StandsCommitted(PositionWith(r.red, r.blue), r.side, r.cell), r.committed);
}

std::vector<Cell> AllCellsBut(Cell left) {
    std::vector<Cell> cells;
    for (Cell cell = 0; cell < CellCount; ++cell)
        if (cell != left) cells.push_back(cell);
    return cells;
}

INSTANTIATE_TEST_SUITE_P(
    Goals, Committed,
    ::testing::Values(
        // No opponent's man can ever have his own cornermost diamond in range.
        CommittedRow{"RedOnGoalAmongBlueEverywhere", Side::Red, 9, {9}, AllCellsBut(9), false},
        CommittedRow{"BlueOnGoalAmongRedEverywhere", Side::Blue, 90, AllCellsBut(90), {90}, false},
        CommittedRow{"RedOnGoalTakingTheCornerMan", Side::Red, 9, {9}, {8, 18, 19, 29, 7}, false}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Jumps, Committed,
    ::testing::Values(
        // Two diamonds away counts, whatever stands in between.
        CommittedRow{"BetweenEmpty", Side::Red, 55, {55}, {57}, true},
        CommittedRow{"BetweenRed", Side::Red, 55, {55, 56}, {57}, true},
        CommittedRow{"BetweenBlue", Side::Red, 55, {55}, {56, 57}, true},
        CommittedRow{"BlueMovedOverHisOwnMan", Side::Blue, 44, {62}, {44, 53}, true}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Directions, Committed,
    ::testing::Values(
        // Straight behind a red man is out of his reach, and so out of the
        // reach of a blue man standing there.
        CommittedRow{"BlueStraightBehindRed", Side::Red, 55, {55}, {64, 73}, false},
        CommittedRow{"RedStraightBehindBlue", Side::Blue, 55, {64, 73}, {55}, true},
        CommittedRow{"BlueBehindRedOnAllThreeBackDirections", Side::Red, 55, {55},
                     {64, 73, 65, 75, 54, 53}, false},
        CommittedRow{"BlueSidewaysUpLeft", Side::Red, 55, {55}, {44}, true},
        CommittedRow{"BlueSidewaysDownRight", Side::Red, 55, {55}, {77}, true},
        CommittedRow{"BlueForwardOne", Side::Red, 43, {43}, {34}, true},
        CommittedRow{"BlueForwardTwo", Side::Red, 55, {55}, {37}, true},
        CommittedRow{"BlueThreeForward", Side::Red, 55, {55}, {28}, false},
        // Near the side edges an index step would wrap round the grid.
        CommittedRow{"RedOnLeftColumnBlueOnWrappedCell", Side::Red, 50, {50}, {39, 28}, false},
        CommittedRow{"BlueOnCornerRedOnWrappedCell", Side::Blue, 9, {20, 31}, {9}, false}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    WhoCounts, Committed,
    ::testing::Values(
        CommittedRow{"NoManOnTheBoard", Side::Red, 55, {}, {}, false},
        // Only opponents commit: own men all round change nothing.
        CommittedRow{"OwnMenAllRound", Side::Red, 55, {33, 35, 37, 44, 45, 46, 55, 56, 57, 66, 77},
                     {}, false},
        CommittedRow{"OpponentFarAway", Side::Red, 55, {55}, {11, 99}, false},
        // The moved man's own cell is not examined.
        CommittedRow{"OwnCellLeftEmpty", Side::Red, 55, {}, {57}, true},
        // Only the moved man counts: another red man on 55 in reach of the
        // blue man on 57 does not commit the man that moved to 11.
        CommittedRow{"AnotherManAlreadyInReach", Side::Red, 11, {11, 55}, {57}, false}),
    RowName());

// ------------------------------------------------------------ obligations

struct ObligationRow {
    std::string name;
    CommitmentRecord record;
    std::vector<Cell> red;
    std::vector<Cell> blue;
    Cell redMustCapture;   // what binds red, the side to move, or NoCell
    Cell blueMustCapture;  // what binds blue, or NoCell
    friend void PrintTo(const ObligationRow& r, std::ostream* out) { *out << r.name; }
};

class Obligation : public ::testing::TestWithParam<ObligationRow> {};

TEST_P(Obligation, OfEachSideToMove) {
    const ObligationRow& r = GetParam();
    const Position position = PositionWith(r.red, r.blue);
    EXPECT_EQ(ObligationOf(r.record, position, Side::Red), r.redMustCapture);
    EXPECT_EQ(ObligationOf(r.record, position, Side::Blue), r.blueMustCapture);
}

// Record fields: H1Com, H1ComCell (red man, blue must capture), H3Com,
// H3ComCell (blue man, red must capture).
INSTANTIATE_TEST_SUITE_P(
    Records, Obligation,
    ::testing::Values(
        ObligationRow{"None", {}, {43}, {34}, NoCell, NoCell},
        ObligationRow{"BlueManBindsRed", {false, NoCell, true, 34}, {43}, {34}, 34, NoCell},
        ObligationRow{"RedManBindsBlue", {true, 43, false, NoCell}, {43}, {34}, NoCell, 43},
        // The side to move picks its own pair, whichever flags are set.
        ObligationRow{"BothSet", {true, 43, true, 34}, {43}, {34}, 34, 43},
        ObligationRow{"OnTheFirstCell", {true, 0, true, 99}, {0}, {99}, 99, 0}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    BindingNobody, Obligation,
    ::testing::Values(
        // The committed man has gone: the cell is empty or was captured.
        ObligationRow{"CommittedCellEmpty", {true, 43, true, 34}, {}, {}, NoCell, NoCell},
        ObligationRow{"BlueManCapturedByRed", {false, NoCell, true, 34}, {34}, {}, NoCell, NoCell},
        ObligationRow{"RedManCapturedByBlue", {true, 43, false, NoCell}, {}, {43}, NoCell, NoCell},
        // A cell without its flag, e.g. an older value, binds nobody.
        ObligationRow{"CellsWithoutFlags", {false, 43, false, 34}, {43}, {34}, NoCell, NoCell},
        // A flag without a cell, as a reset can leave it.
        ObligationRow{"FlagsWithoutCells", {true, NoCell, true, NoCell}, {43}, {34}, NoCell, NoCell},
        ObligationRow{"FlagsWithCellsOffTheBoard", {true, -1, true, 1000}, {43}, {34}, NoCell,
                      NoCell}),
    RowName());

TEST(CommitmentRecord, StartsEmptyAndComparesFieldByField) {
    const CommitmentRecord empty;
    EXPECT_FALSE(empty.H1Com);
    EXPECT_EQ(empty.H1ComCell, NoCell);
    EXPECT_FALSE(empty.H3Com);
    EXPECT_EQ(empty.H3ComCell, NoCell);
    EXPECT_EQ(empty, (CommitmentRecord{false, NoCell, false, NoCell}));
    EXPECT_NE(empty, (CommitmentRecord{false, NoCell, true, 34}));
    EXPECT_NE(empty, (CommitmentRecord{false, 43, false, NoCell}));
}

}  // namespace
}  // namespace vintrel
