// A game from the starting position, played move by move under the same
// rules a board window's drop follows, and the moves it was played with.
#pragma once

#include "board.h"
#include "commitment.h"
#include "move.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vintrel {

struct PlayedMove {
    Cell from = NoCell;
    Cell to = NoCell;
    bool captures = false;  // `to` held an opponent's man
    bool operator==(const PlayedMove&) const = default;
};

enum class Result : std::uint8_t { Unfinished, RedWon, BlueWon };

// Kept as the window's drop keeps it: the position, the side to move, the
// commitment record, and the end.
class Game {
public:
    Game();  // starting position, red to move

    const Position& position() const { return position_; }
    // Once the game is over, the side that made the winning move.
    Side toMove() const { return toMove_; }
    // Exactly what a board window's record holds after the same moves.
    const CommitmentRecord& commitments() const { return commitments_; }
    Result result() const { return result_; }
    bool isOver() const { return result_ != Result::Unfinished; }
    const std::vector<PlayedMove>& moves() const { return moves_; }

    // The side to move drops the man on `from` on `to`: the decision is the
    // drop's own; the game changes only when it stands and is not over. A
    // drop of anything but the side's own man changes nothing, as no drag
    // starts from it.
    DropDecision play(Cell from, Cell to);

    // The game after `moves`, each of which must stand: for callers holding
    // moves already checked. Replay stops at the first one that does not.
    static Game Replayed(std::span<const PlayedMove> moves);

private:
    void carryOut(Cell from, Cell to, const DropDecision& decision);

    Position position_;
    Side toMove_ = Side::Red;
    CommitmentRecord commitments_;
    Result result_ = Result::Unfinished;
    std::vector<PlayedMove> moves_;
};

// "61-43", or "43x34" for a capture.
std::string MoveText(const PlayedMove& move);

}  // namespace vintrel
