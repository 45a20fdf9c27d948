// The decision on a dropped man: refused for its own diamond, an own man,
// the range or an unmet obligation to capture; or standing, as a plain move
// or as a win by the corner or by taking the last man. And the position a
// standing move leaves.
#include "move.h"
#include "range.h"
#include "rules_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vintrel {
namespace {

using testing::PositionWith;
using testing::RowName;

// Commitment records: a red man on `cell` that blue must capture, and a
// blue man on `cell` that red must capture.
CommitmentRecord BlueMustCapture(Cell cell) { return {true, cell, false, NoCell}; }
CommitmentRecord RedMustCapture(Cell cell) { return {false, NoCell, true, cell}; }

struct DropRow {
    std::string name;
    std::vector<Cell> red;
    std::vector<Cell> blue;
    CommitmentRecord record;
    Side mover;
    int from;
    int to;
    DropOutcome outcome;
    bool captures;
    friend void PrintTo(const DropRow& r, std::ostream* out) { *out << r.name; }
};

class Drop : public ::testing::TestWithParam<DropRow> {};

TEST_P(Drop, Decision) {
    const DropRow& r = GetParam();
    const Position position = PositionWith(r.red, r.blue);
    const DropDecision decision = DecideDrop(position, r.mover, r.record, Cell(r.from), Cell(r.to));
    EXPECT_EQ(decision.outcome, r.outcome);
    EXPECT_EQ(decision.captures, r.captures);
}

INSTANTIATE_TEST_SUITE_P(
    NothingHappens, Drop,
    ::testing::Values(
        DropRow{"BackOnItsOwnDiamond", {55}, {44}, {}, Side::Red, 55, 55, DropOutcome::NoChange, false},
        DropRow{"BackOnItsOwnDiamondUnderObligation", {55, 43}, {34}, RedMustCapture(34), Side::Red,
                55, 55, DropOutcome::NoChange, false},
        DropRow{"FromNoCell", {55}, {44}, {}, Side::Red, NoCell, 45, DropOutcome::NoChange, false},
        DropRow{"FromMinusOne", {55}, {44}, {}, Side::Blue, -1, 0, DropOutcome::NoChange, false},
        DropRow{"ToNoCell", {55}, {44}, {}, Side::Red, 55, NoCell, DropOutcome::NoChange, false},
        DropRow{"ToMinusOne", {55}, {44}, {}, Side::Blue, 44, -1, DropOutcome::NoChange, false}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    OwnMan, Drop,
    ::testing::Values(
        DropRow{"InRange", {55, 57}, {11}, {}, Side::Red, 55, 57, DropOutcome::OwnMan, false},
        DropRow{"BlueInRange", {90}, {44, 54}, {}, Side::Blue, 44, 54, DropOutcome::OwnMan, false},
        // The own man is told before the range and before the obligation.
        DropRow{"OutOfRange", {55, 64}, {11}, {}, Side::Red, 55, 64, DropOutcome::OwnMan, false},
        DropRow{"FarAway", {55, 0}, {11}, {}, Side::Red, 55, 0, DropOutcome::OwnMan, false},
        DropRow{"UnderObligation", {55, 57, 43}, {34}, RedMustCapture(34), Side::Red, 55, 57,
                DropOutcome::OwnMan, false}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    NotPermitted, Drop,
    ::testing::Values(
        DropRow{"BackwardToEmpty", {55}, {11}, {}, Side::Red, 55, 64, DropOutcome::NotPermitted, false},
        DropRow{"BackwardOntoAnOpponent", {55}, {64, 11}, {}, Side::Red, 55, 64,
                DropOutcome::NotPermitted, true},
        DropRow{"ThreeForward", {55}, {11}, {}, Side::Red, 55, 28, DropOutcome::NotPermitted, false},
        DropRow{"BentMove", {55}, {11}, {}, Side::Red, 55, 36, DropOutcome::NotPermitted, false},
        DropRow{"RedWrappingRoundTheGrid", {50}, {39, 11}, {}, Side::Red, 50, 39,
                DropOutcome::NotPermitted, true},
        DropRow{"BlueWrappingRoundTheGrid", {20, 55}, {9}, {}, Side::Blue, 9, 20,
                DropOutcome::NotPermitted, true},
        DropRow{"BlueBackward", {90}, {44}, {}, Side::Blue, 44, 35, DropOutcome::NotPermitted, false},
        // The range is told before the obligation.
        DropRow{"OutOfRangeUnderObligation", {43, 55}, {34}, RedMustCapture(34), Side::Red, 55, 64,
                DropOutcome::NotPermitted, false},
        DropRow{"OntoTheCommittedManOutOfRange", {43, 55}, {34}, RedMustCapture(34), Side::Red, 55,
                34, DropOutcome::NotPermitted, true}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Moved, Drop,
    ::testing::Values(
        DropRow{"OneForward", {55}, {11}, {}, Side::Red, 55, 46, DropOutcome::Moved, false},
        DropRow{"TwoSidewaysDown", {55}, {11}, {}, Side::Red, 55, 77, DropOutcome::Moved, false},
        // A jump never looks at the diamond it passes over.
        DropRow{"JumpOverAnOpponent", {55}, {46, 11}, {}, Side::Red, 55, 37, DropOutcome::Moved, false},
        DropRow{"JumpOverAnOwnMan", {55, 46}, {11}, {}, Side::Red, 55, 37, DropOutcome::Moved, false},
        DropRow{"CaptureWithMenLeft", {55}, {57, 11}, {}, Side::Red, 55, 57, DropOutcome::Moved, true},
        DropRow{"BlueCaptures", {53, 90}, {44}, {}, Side::Blue, 44, 53, DropOutcome::Moved, true},
        DropRow{"BlueOneStepOffItsCorner", {90}, {9}, {}, Side::Blue, 9, 19, DropOutcome::Moved, false}),
    RowName());

// Blue is bound to capture the red man on 43.
INSTANTIATE_TEST_SUITE_P(
    Obligation, Drop,
    ::testing::Values(
        DropRow{"CapturingTheCommittedMan", {43, 61}, {34, 16}, BlueMustCapture(43), Side::Blue, 34,
                43, DropOutcome::Moved, true},
        DropRow{"CapturingItFromTwoAway", {43, 61}, {25, 16}, BlueMustCapture(43), Side::Blue, 25, 43,
                DropOutcome::Moved, true},
        DropRow{"MovingAnotherMan", {43, 61}, {34, 16}, BlueMustCapture(43), Side::Blue, 16, 26,
                DropOutcome::MustCapture, false},
        DropRow{"CapturingADifferentMan", {43, 61}, {34, 52}, BlueMustCapture(43), Side::Blue, 52, 61,
                DropOutcome::MustCapture, true},
        // No win dodges the obligation.
        DropRow{"ReachingTheCornerWithoutCapturing", {43, 61}, {34, 80}, BlueMustCapture(43),
                Side::Blue, 80, 90, DropOutcome::MustCapture, false},
        DropRow{"RedReachingTheCornerWithoutCapturing", {18, 55}, {34, 39}, RedMustCapture(34),
                Side::Red, 18, 9, DropOutcome::MustCapture, false},
        DropRow{"RedCapturingTheCommittedMan", {43, 18}, {34, 39}, RedMustCapture(34), Side::Red, 43,
                34, DropOutcome::Moved, true},
        // Capturing the committed man on the corner meets the obligation and wins.
        DropRow{"CapturingTheCommittedManOnTheCorner", {90, 55}, {80, 11}, BlueMustCapture(90),
                Side::Blue, 80, 90, DropOutcome::WonByCorner, true},
        // Capturing the committed last man meets the obligation and wins.
        DropRow{"RedCapturingTheCommittedLastMan", {55}, {57}, RedMustCapture(57), Side::Red, 55, 57,
                DropOutcome::WonByCapture, true}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    ObligationBindingNobody, Drop,
    ::testing::Values(
        // The committed man has gone from his cell.
        DropRow{"CommittedManGone", {61}, {16}, BlueMustCapture(43), Side::Blue, 16, 26,
                DropOutcome::Moved, false},
        // Now a blue man stands on the cell of the committed red man.
        DropRow{"CommittedCellTakenByOpponent", {61}, {43, 16}, BlueMustCapture(43), Side::Blue, 16,
                26, DropOutcome::Moved, false},
        // A side is never bound by the commitment of its own man.
        DropRow{"OwnMansCommitment", {43}, {34, 11}, BlueMustCapture(43), Side::Red, 43, 33,
                DropOutcome::Moved, false},
        DropRow{"FlagWithoutCell", {43, 61}, {34, 16}, CommitmentRecord{true, NoCell, false, NoCell},
                Side::Blue, 16, 26, DropOutcome::Moved, false},
        DropRow{"CellWithoutFlag", {43, 61}, {34, 16}, CommitmentRecord{false, 43, false, NoCell},
                Side::Blue, 16, 26, DropOutcome::Moved, false}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    GameEnd, Drop,
    ::testing::Values(
        DropRow{"RedOnEmptyCorner", {18}, {55}, {}, Side::Red, 18, 9, DropOutcome::WonByCorner, false},
        DropRow{"RedCapturingOnTheCorner", {18}, {9, 55}, {}, Side::Red, 18, 9,
                DropOutcome::WonByCorner, true},
        DropRow{"RedJumpingOntoTheCorner", {27}, {18, 55}, {}, Side::Red, 27, 9,
                DropOutcome::WonByCorner, false},
        // The corner is told before the count of men left.
        DropRow{"RedCapturingTheLastManOnTheCorner", {18}, {9}, {}, Side::Red, 18, 9,
                DropOutcome::WonByCorner, true},
        DropRow{"BlueOnEmptyCorner", {55}, {80}, {}, Side::Blue, 80, 90, DropOutcome::WonByCorner,
                false},
        DropRow{"BlueCapturingTheLastRedMan", {54}, {44}, {}, Side::Blue, 44, 54,
                DropOutcome::WonByCapture, true},
        DropRow{"RedCapturingTheLastBlueMan", {55}, {57}, {}, Side::Red, 55, 57,
                DropOutcome::WonByCapture, true},
        // Moving next to the goal wins nothing.
        DropRow{"RedBesideTheCorner", {28}, {55}, {}, Side::Red, 28, 8, DropOutcome::Moved, false},
        // A side's own cornermost diamond is no goal for it.
        DropRow{"BlueOntoItsOwnCornerIsBackward", {55}, {19}, {}, Side::Blue, 19, 9,
                DropOutcome::NotPermitted, false}),
    RowName());

// ------------------------------------------------------- the first move

// Every drop red can make from the starting position, compared with what
// the board and the range say on their own.
TEST(OpeningDrops, EveryDropOfEveryRedMan) {
    const Position start = StartingPosition();
    int moves = 0;
    for (Cell from : RedHomeCells) {
        for (Cell to = 0; to < CellCount; ++to) {
            const DropDecision decision = DecideDrop(start, Side::Red, {}, from, to);
            DropOutcome expected = DropOutcome::Moved;
            if (to == from) expected = DropOutcome::NoChange;
            else if (start[to] == Occupant::RedMan) expected = DropOutcome::OwnMan;
            else if (!IsInRange(Side::Red, from, to)) expected = DropOutcome::NotPermitted;
            EXPECT_EQ(decision.outcome, expected) << from << "-" << to;
            // Every blue man stands far out of reach at the start.
            EXPECT_EQ(decision.captures, start[to] == Occupant::BlueMan) << from << "-" << to;
            if (decision.captures) {
                EXPECT_EQ(decision.outcome, DropOutcome::NotPermitted);
            }
            moves += decision.outcome == DropOutcome::Moved;
        }
    }
    // Counted by hand, man by man: 90 none, 80 one, 70 two, 60 five,
    // 61 seven, 71 four, 72 eight, 81 one, 82 four, 83 seven, 91 one,
    // 92 two, 93 five.
    EXPECT_EQ(moves, 47);
    EXPECT_EQ(StandingMoves(start, Side::Red, {}).size(), 47u);
}

// -------------------------------------------------------- standing or not

struct StandsRow {
    std::string name;
    DropOutcome outcome;
    bool stands;
    friend void PrintTo(const StandsRow& r, std::ostream* out) { *out << r.name; }
};

class Standing : public ::testing::TestWithParam<StandsRow> {};

TEST_P(Standing, OnlyMovesAndWinsStand) { EXPECT_EQ(Stands(GetParam().outcome), GetParam().stands); }

INSTANTIATE_TEST_SUITE_P(Outcomes, Standing,
                         ::testing::Values(StandsRow{"NoChange", DropOutcome::NoChange, false},
                                           StandsRow{"OwnMan", DropOutcome::OwnMan, false},
                                           StandsRow{"NotPermitted", DropOutcome::NotPermitted, false},
                                           StandsRow{"MustCapture", DropOutcome::MustCapture, false},
                                           StandsRow{"Moved", DropOutcome::Moved, true},
                                           StandsRow{"WonByCorner", DropOutcome::WonByCorner, true},
                                           StandsRow{"WonByCapture", DropOutcome::WonByCapture, true}),
                         RowName());

TEST(Standing, AnEmptyDecisionChangesNothing) {
    const DropDecision decision;
    EXPECT_EQ(decision.outcome, DropOutcome::NoChange);
    EXPECT_FALSE(decision.captures);
}

// ------------------------------------------------------ the position after

struct AfterRow {
    std::string name;
    std::vector<Cell> red;
    std::vector<Cell> blue;
    Cell from;
    Cell to;
    std::vector<Cell> redAfter;
    std::vector<Cell> blueAfter;
    friend void PrintTo(const AfterRow& r, std::ostream* out) { *out << r.name; }
};

class After : public ::testing::TestWithParam<AfterRow> {};

TEST_P(After, TheManStandsOnTheTargetAndHisCellIsEmpty) {
    const AfterRow& r = GetParam();
    const Position before = PositionWith(r.red, r.blue);
    EXPECT_EQ(AfterMove(before, r.from, r.to), PositionWith(r.redAfter, r.blueAfter));
    EXPECT_EQ(before, PositionWith(r.red, r.blue)) << "the position moved from stays as it was";
}

INSTANTIATE_TEST_SUITE_P(
    Moves, After,
    ::testing::Values(
        AfterRow{"RedToEmpty", {55, 90}, {9}, 55, 46, {46, 90}, {9}},
        AfterRow{"BlueToEmpty", {90}, {9, 44}, 44, 53, {90}, {9, 53}},
        AfterRow{"RedCaptures", {55}, {57, 9}, 55, 57, {57}, {9}},
        AfterRow{"BlueCaptures", {53, 90}, {44}, 44, 53, {90}, {53}},
        // The man jumped over stays where he is.
        AfterRow{"JumpOverAnOpponent", {55}, {46}, 55, 37, {37}, {46}},
        AfterRow{"JumpOverAnOwnMan", {55, 46}, {9}, 55, 37, {37, 46}, {9}},
        AfterRow{"FromFirstToLastCell", {0}, {50}, 0, 99, {99}, {50}}),
    RowName());

}  // namespace
}  // namespace vintrel
