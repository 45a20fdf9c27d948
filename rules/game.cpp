#include "game.h"

namespace vintrel {

Game::Game() : start_(StartingPosition()), position_(start_) {}

Game Game::Arranged(const Position& position, Side toMove) {
    Game game;
    game.start_ = game.position_ = position;
    game.firstToMove_ = game.toMove_ = toMove;
    return game;
}

DropDecision Game::play(Cell from, Cell to) {
    if (!IsOnBoard(from) || position_[from] != ManOf(toMove_)) return {};
    const DropDecision decision = DecideDrop(position_, toMove_, commitments_, from, to);
    if (Stands(decision.outcome) && !isOver()) {
        carryOut(from, to, decision);
        kept_.clear();
    }
    return decision;
}

void Game::carryOut(Cell from, Cell to, const DropDecision& decision) {
    const Side mover = toMove_;
    position_ = AfterMove(position_, from, to);
    moves_.push_back({from, to, decision.captures});
    commitmentsBefore_.push_back(commitments_);
    commitments_ = RecordAfterMove(position_, mover, to);
    if (decision.outcome == DropOutcome::Moved)
        toMove_ = Opponent(mover);
    else
        result_ = mover == Side::Red ? Result::RedWon : Result::BlueWon;
}

bool Game::takeBack() {
    if (moves_.empty()) return false;
    const PlayedMove last = moves_.back();
    const Side mover = SideOf(position_[last.to]);
    position_[last.from] = ManOf(mover);
    position_[last.to] = last.captures ? ManOf(Opponent(mover)) : Occupant::Empty;
    toMove_ = mover;
    commitments_ = commitmentsBefore_.back();
    result_ = Result::Unfinished;
    moves_.pop_back();
    commitmentsBefore_.pop_back();
    kept_.push_back(last);
    return true;
}

DropDecision Game::redo() {
    if (kept_.empty() || isOver()) return {};
    const PlayedMove next = kept_.back();
    const DropDecision decision = DecideDrop(position_, toMove_, commitments_, next.from, next.to);
    if (!Stands(decision.outcome)) return {};
    kept_.pop_back();
    carryOut(next.from, next.to, decision);
    return decision;
}

Game Game::after(std::size_t ply) const {
    Game earlier = Arranged(start_, firstToMove_);
    for (std::size_t i = 0; i < ply && i < moves_.size(); ++i) earlier.play(moves_[i].from, moves_[i].to);
    earlier.tags_ = tags_;
    return earlier;
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
