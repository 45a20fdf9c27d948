// The game as the search sees it: each side's men as a mask, the side to
// move, the man it must capture, and whether the game is over. It follows
// the rules of the windows' drop, with the obligation kept for the side to
// move only: a move that stands has met the obligation it had.
#pragma once

#include "cell_mask.h"

#include <cstdint>

namespace vintrel::engine {

struct Move {
    Cell from = NoCell;
    Cell to = NoCell;

    constexpr bool isNone() const { return from == NoCell; }
    constexpr bool operator==(const Move&) const = default;
};

class GameState {
public:
    static GameState Start();
    // A position as the windows hold it. `mustCapture` is the cell of the
    // opponent's man the side to move is bound to take, or NoCell. A
    // position someone has already won counts as over, whoever is to move.
    static GameState From(const Position& position, Side toMove, Cell mustCapture);

    Side toMove() const { return toMove_; }
    Cell mustCapture() const { return mustCapture_; }
    bool isOver() const { return over_; }
    // Only once the game is over: the side that made the last move.
    Side winner() const { return Opponent(toMove_); }
    CellMask menOf(Side side) const { return men_[std::size_t(side)]; }
    std::uint64_t key() const { return key_; }
    Position position() const;

    // Only for a move that stands (see move_generation.h). The turn always
    // passes; a move that wins ends the game.
    GameState after(Move move) const;
    bool captures(Move move) const { return menOf(Opponent(toMove_)).has(move.to); }
    bool wins(Move move) const;

private:
    CellMask men_[2];
    std::uint64_t key_ = 0;
    Side toMove_ = Side::Red;
    Cell mustCapture_ = NoCell;
    bool over_ = false;
};

}  // namespace vintrel::engine
