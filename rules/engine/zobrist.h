// Zobrist keys: a position's key is the exclusive or of the keys of what
// it holds, so a move updates it with a few operations.
#pragma once

#include "board.h"

#include <array>
#include <cstdint>

namespace vintrel::engine::zobrist {

// splitmix64: well mixed and the same on every machine and compiler. It
// makes the keys, and turns seeds into the random choices of the levels
// and of the match tool's players.
constexpr std::uint64_t Mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

namespace detail {

// Men of each side on each cell, then one key per obligation cell, then
// the key of blue to move.
constexpr std::size_t ObligationBase = 2 * CellCount;
constexpr std::size_t BlueToMoveIndex = ObligationBase + CellCount;

constexpr std::array<std::uint64_t, BlueToMoveIndex + 1> Keys = [] {
    std::array<std::uint64_t, BlueToMoveIndex + 1> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = Mix(0x5eed0f1a7e5ULL + i);
    return keys;
}();
}  // namespace detail

constexpr std::uint64_t Man(Side side, Cell cell) {
    return detail::Keys[std::size_t(side) * CellCount + std::size_t(cell)];
}
// The cell of the man that the side to move must capture; none adds nothing.
constexpr std::uint64_t Obligation(Cell cell) {
    return cell == NoCell ? 0 : detail::Keys[detail::ObligationBase + std::size_t(cell)];
}
constexpr std::uint64_t BlueToMove() { return detail::Keys[detail::BlueToMoveIndex]; }

}  // namespace vintrel::engine::zobrist
