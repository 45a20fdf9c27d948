// The game: its position, the side to move, the commitment record and the
// end, every move since the start with what it changed, and the tags it
// was opened with. Every hand that plays, and every view that shows it,
// works on one of these.
#pragma once

#include "board.h"
#include "commitment.h"
#include "move.h"

#include <cstddef>
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

// A name and value a game is kept with, such as Red "Player".
struct Tag {
    std::string name, value;
    bool operator==(const Tag&) const = default;
};

class Game {
public:
    Game();  // starting position, red to move
    // A game begun from any position, `toMove` to move, nobody committed.
    static Game Arranged(const Position& position, Side toMove);

    const Position& position() const { return position_; }
    // Once the game is over, the side that made the winning move.
    Side toMove() const { return toMove_; }
    const CommitmentRecord& commitments() const { return commitments_; }
    Result result() const { return result_; }
    bool isOver() const { return result_ != Result::Unfinished; }
    // The moves that led here.
    const std::vector<PlayedMove>& moves() const { return moves_; }
    // The moves taken back and kept for redo(), the next one last.
    const std::vector<PlayedMove>& movesKept() const { return kept_; }

    // The side to move drops the man on `from` on `to`: the decision is the
    // drop's own; the game changes only when it stands and is not over. A
    // drop of anything but the side's own man changes nothing, as no drag
    // starts from it. A move that stands drops the moves kept.
    DropDecision play(Cell from, Cell to);
    // Undoes the last move, keeping it for redo(). False with none to undo.
    bool takeBack();
    // Plays the move taken back last once more: its decision, or no
    // change with none kept.
    DropDecision redo();
    // Forgets the moves kept.
    void truncate() { kept_.clear(); }

    // The game as it stood after its first `ply` moves; this one is left
    // as it is.
    Game after(std::size_t ply) const;

    const std::vector<Tag>& tags() const { return tags_; }
    void setTags(std::vector<Tag> tags) { tags_ = std::move(tags); }

    // The game after `moves`, each of which must stand: for callers holding
    // moves already checked. Replay stops at the first one that does not.
    static Game Replayed(std::span<const PlayedMove> moves);

private:
    void carryOut(Cell from, Cell to, const DropDecision& decision);

    Position start_;
    Side firstToMove_ = Side::Red;
    Position position_;
    Side toMove_ = Side::Red;
    CommitmentRecord commitments_;
    Result result_ = Result::Unfinished;
    std::vector<PlayedMove> moves_;
    // What each of moves_ found, for taking it back.
    std::vector<CommitmentRecord> commitmentsBefore_;
    std::vector<PlayedMove> kept_;
    std::vector<Tag> tags_;
};

// "61-43", or "43x34" for a capture.
std::string MoveText(const PlayedMove& move);

}  // namespace vintrel
