// A set of diamonds as 100 bits: cells 0 to 63 in one word, 64 to 99 in
// the other. What the search does most, counting and walking a side's men
// and the diamonds in reach, is a few instructions on it.
#pragma once

#include "board.h"

#include <bit>
#include <cstdint>

// Counting bits is most of what counting moves takes. x86 processors have
// done it in one instruction since 2008, but the baseline target may not
// assume so: the hot counters are built both ways and the loader picks.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__POPCNT__)
#define VINTREL_COUNTS_BITS [[gnu::target_clones("popcnt", "default")]]
#else
#define VINTREL_COUNTS_BITS
#endif

namespace vintrel::engine {

class CellMask {
public:
    constexpr CellMask() = default;
    static constexpr CellMask Of(Cell cell) {
        return cell < 64 ? CellMask(std::uint64_t(1) << cell, 0) : CellMask(0, std::uint64_t(1) << (cell - 64));
    }

    constexpr bool has(Cell cell) const { return !(*this & Of(cell)).empty(); }
    constexpr bool empty() const { return (low_ | high_) == 0; }
    constexpr int count() const { return std::popcount(low_) + std::popcount(high_); }
    // Only for a set that is not empty.
    constexpr Cell lowest() const {
        return Cell(low_ ? std::countr_zero(low_) : 64 + std::countr_zero(high_));
    }
    constexpr void add(Cell cell) { *this = *this | Of(cell); }
    constexpr void remove(Cell cell) { *this = *this & ~Of(cell); }

    constexpr CellMask operator&(CellMask other) const { return {low_ & other.low_, high_ & other.high_}; }
    constexpr CellMask operator|(CellMask other) const { return {low_ | other.low_, high_ | other.high_}; }
    constexpr CellMask operator^(CellMask other) const { return {low_ ^ other.low_, high_ ^ other.high_}; }
    constexpr CellMask operator~() const { return {~low_, ~high_ & HighCells}; }
    constexpr bool operator==(const CellMask&) const = default;

    // Walks the cells in ascending order.
    class Iterator;
    constexpr Iterator begin() const;
    constexpr Iterator end() const;
    // Only for a set that is not empty.
    constexpr void dropLowest() {
        if (low_)
            low_ &= low_ - 1;
        else
            high_ &= high_ - 1;
    }

private:
    static constexpr std::uint64_t HighCells = (std::uint64_t(1) << (CellCount - 64)) - 1;

    constexpr CellMask(std::uint64_t low, std::uint64_t high) : low_(low), high_(high) {}

    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
};

class CellMask::Iterator {
public:
    constexpr explicit Iterator(CellMask rest) : rest_(rest) {}
    constexpr Cell operator*() const { return rest_.lowest(); }
    constexpr Iterator& operator++() {
        rest_.dropLowest();
        return *this;
    }
    constexpr bool operator!=(const Iterator& other) const { return rest_ != other.rest_; }

private:
    CellMask rest_;
};

constexpr CellMask::Iterator CellMask::begin() const { return Iterator(*this); }
constexpr CellMask::Iterator CellMask::end() const { return Iterator(CellMask()); }

}  // namespace vintrel::engine
