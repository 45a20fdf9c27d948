#include "transposition_table.h"

#include <algorithm>

namespace vintrel::engine {

static_assert(sizeof(TableEntry) == 16);

TranspositionTable::TranspositionTable(int sizeLog2)
    : entries_(std::size_t(1) << sizeLog2), mask_((std::uint64_t(1) << sizeLog2) - 1) {}

TranspositionTable TranspositionTable::Forgetful() {
    // Its one entry stays empty, so every probe misses.
    TranspositionTable table(0);
    table.forgetful_ = true;
    return table;
}

void TranspositionTable::clear() { std::fill(entries_.begin(), entries_.end(), TableEntry{}); }

const TableEntry* TranspositionTable::probe(std::uint64_t key) const {
    const TableEntry& entry = slotOf(key);
    return entry.key == key && entry.depth >= 0 ? &entry : nullptr;
}

void TranspositionTable::store(const TableEntry& entry) {
    if (forgetful_) return;
    TableEntry& slot = slotOf(entry.key);
    // Another position's entry always gives way; the same position's only
    // to a search at least as deep.
    if (slot.key != entry.key || entry.depth >= slot.depth) slot = entry;
}

}  // namespace vintrel::engine
