// Helpers shared by the tests of the rules and of the windows: positions
// from lists of cells, readable printing of the rules' values, and names
// for the rows of table-driven tests. Plain C++, no Qt.
#pragma once

#include "board.h"
#include "game.h"
#include "move.h"
#include "range.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace vintrel {

// GoogleTest prints these by name in its failure messages.
void PrintTo(Side side, std::ostream* out);
void PrintTo(Occupant occupant, std::ostream* out);
void PrintTo(DropOutcome outcome, std::ostream* out);
void PrintTo(Result result, std::ostream* out);
void PrintTo(const PlayedMove& move, std::ostream* out);

namespace testing {

// A position from a list of red and of blue cells; every other cell empty.
Position PositionWith(const std::vector<Cell>& red, const std::vector<Cell>& blue);

// A game of up to `maxMoves` moves, each drawn by `seed` from the moves
// that stand; it may end sooner, won.
Game RandomGame(std::uint64_t seed, std::size_t maxMoves);

// The cells of a range, in its own order, for comparing with a list.
std::vector<Cell> CellsOf(const Range& range);

// Names each instance of a parameterised test after the `name` of its row,
// so that a failure tells which row of the table broke.
struct RowName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

}  // namespace testing
}  // namespace vintrel
