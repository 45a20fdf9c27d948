// Where a man may move: one or two diamonds along its side's five
// directions (forward, the two diagonals ahead, the two sideward ones).
#pragma once

#include "board.h"

#include <array>
#include <cstdint>

namespace vintrel {

// The up to ten diamonds in reach of a man, in ascending cell order.
class Range {
public:
    void add(Cell cell) { cells_[size_++] = cell; }
    const Cell* begin() const { return cells_.data(); }
    const Cell* end() const { return cells_.data() + size_; }
    int size() const { return size_; }
    bool contains(Cell cell) const;

private:
    std::array<Cell, 10> cells_{};
    std::uint8_t size_ = 0;
};

// Pure geometry: what stands on the board, in between or on the target,
// never matters here.
const Range& RangeOf(Side side, Cell from);
bool IsInRange(Side side, Cell from, Cell to);

}  // namespace vintrel
