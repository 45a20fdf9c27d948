// What the search has learnt of positions it has met, by Zobrist key: a
// bound on the score, the depth it was searched to and the best move.
#pragma once

#include "game_state.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace vintrel::engine {

enum class Bound : std::uint8_t { Exact, Lower, Upper };

struct TableEntry {
    std::uint64_t key = 0;
    std::int16_t score = 0;
    std::int8_t depth = -1;
    Bound bound = Bound::Exact;
    Move move;
};

class TranspositionTable {
public:
    // 2^sizeLog2 entries of 16 bytes.
    explicit TranspositionTable(int sizeLog2);
    // A table that keeps nothing: the search as it would run without one,
    // which is what the table's results are measured against.
    static TranspositionTable Forgetful();

    int sizeLog2() const { return std::countr_zero(entries_.size()); }
    void clear();
    // The entry for `key`, or nullptr when the table holds none.
    const TableEntry* probe(std::uint64_t key) const;
    void store(const TableEntry& entry);

private:
    TableEntry& slotOf(std::uint64_t key) { return entries_[key & mask_]; }
    const TableEntry& slotOf(std::uint64_t key) const { return entries_[key & mask_]; }

    std::vector<TableEntry> entries_;
    std::uint64_t mask_;
    bool forgetful_ = false;
};

}  // namespace vintrel::engine
