// The moves that stand, and perft: the count of the leaves of the game
// tree to a given depth, which pins the move generator down.
#pragma once

#include "game_state.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vintrel::engine {

// Thirteen men with ten diamonds each in reach at the most.
class MoveList {
public:
    static constexpr std::size_t Capacity = 13 * 10;

    void add(Move move) { moves_[size_++] = move; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    Move& operator[](std::size_t i) { return moves_[i]; }
    const Move& operator[](std::size_t i) const { return moves_[i]; }
    Move* begin() { return moves_.data(); }
    Move* end() { return moves_.data() + size_; }
    const Move* begin() const { return moves_.data(); }
    const Move* end() const { return moves_.data() + size_; }

private:
    std::array<Move, Capacity> moves_;
    std::size_t size_ = 0;
};

// Where the man on `from` may go: in reach and not onto a man of his own.
// Under an obligation only the capture of the bound man stands.
CellMask TargetsOf(const GameState& state, Cell from);
// The men of the side to move that have a move that stands.
CellMask MoversOf(const GameState& state);

// Every move that stands, by source then target; none once the game is over.
void GenerateMoves(const GameState& state, MoveList& moves);
// Only the moves that capture.
void GenerateCaptures(const GameState& state, MoveList& moves);
// Their number, without listing them.
int CountMoves(const GameState& state);

// Leaves at `depth` plies; a move that ends the game is a leaf at any ply.
std::uint64_t Perft(const GameState& state, int depth);

}  // namespace vintrel::engine
