#include "game.h"

namespace vintrel {

Game::Game() : position_(StartingPosition()) {}

DropDecision Game::play(Cell from, Cell to) {
    if (!IsOnBoard(from) || position_[from] != ManOf(toMove_)) return {};
    const DropDecision decision = DecideDrop(position_, toMove_, commitments_, from, to);
    if (Stands(decision.outcome) && !isOver()) carryOut(from, to, decision);
    return decision;
}

void Game::carryOut(Cell from, Cell to, const DropDecision& decision) {
    const Side mover = toMove_;
    position_ = AfterMove(position_, from, to);
    moves_.push_back({from, to, decision.captures});
    // The mover's new man may be committed; whatever obligation the mover
    // had, the move met it.
    const bool committed = StandsCommitted(position_, mover, to);
    const Cell committedCell = committed ? to : NoCell;
    if (mover == Side::Red) {
        commitments_.H1Com = committed;
        commitments_.H1ComCell = committedCell;
        commitments_.H3Com = false;
        commitments_.H3ComCell = NoCell;
    } else {
        commitments_.H3Com = committed;
        commitments_.H3ComCell = committedCell;
        commitments_.H1Com = false;
        commitments_.H1ComCell = NoCell;
    }
    if (decision.outcome == DropOutcome::Moved)
        toMove_ = Opponent(mover);
    else
        result_ = mover == Side::Red ? Result::RedWon : Result::BlueWon;
}

Game Game::Replayed(std::span<const PlayedMove> moves) {
    Game game;
    for (const PlayedMove& move : moves)
        if (!Stands(game.play(move.from, move.to).outcome)) break;
    return game;
}

std::string MoveText(const PlayedMove& move) {
    return std::to_string(move.from) + (move.captures ? "x" : "-") + std::to_string(move.to);
}

}  // namespace vintrel
