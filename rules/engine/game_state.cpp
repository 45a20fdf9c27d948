#include "game_state.h"

#include "reach.h"
#include "zobrist.h"

namespace vintrel::engine {

GameState GameState::Start() { return From(StartingPosition(), Side::Red, NoCell); }

GameState GameState::From(const Position& position, Side toMove, Cell mustCapture) {
    GameState state;
    for (Cell cell = 0; cell < CellCount; ++cell) {
        if (position[cell] == Occupant::Empty) continue;
        const Side side = SideOf(position[cell]);
        state.men_[std::size_t(side)].add(cell);
        state.key_ ^= zobrist::Man(side, cell);
    }
    state.toMove_ = toMove;
    state.mustCapture_ = IsOnBoard(mustCapture) ? mustCapture : NoCell;
    state.key_ ^= zobrist::Obligation(state.mustCapture_);
    if (toMove == Side::Blue) state.key_ ^= zobrist::BlueToMove();
    for (Side side : {Side::Red, Side::Blue})
        state.over_ = state.over_ || state.menOf(side).empty() ||
                      position[WinningCell(side)] == ManOf(side);
    return state;
}

Position GameState::position() const {
    Position position{};
    position.fill(Occupant::Empty);
    for (Side side : {Side::Red, Side::Blue})
        for (Cell cell : menOf(side)) position[cell] = ManOf(side);
    return position;
}

bool GameState::wins(Move move) const {
    const CellMask opponent = menOf(Opponent(toMove_));
    return move.to == WinningCell(toMove_) || opponent == CellMask::Of(move.to);
}

GameState GameState::after(Move move) const {
    const Side mover = toMove_, opponent = Opponent(mover);
    GameState next = *this;
    next.over_ = wins(move);
    next.men_[std::size_t(mover)] = menOf(mover) ^ CellMask::Of(move.from) ^ CellMask::Of(move.to);
    next.key_ ^= zobrist::Man(mover, move.from) ^ zobrist::Man(mover, move.to);
    if (captures(move)) {
        next.men_[std::size_t(opponent)].remove(move.to);
        next.key_ ^= zobrist::Man(opponent, move.to);
    }
    // A man that ends in reach of an opponent's man binds the opponent to
    // take him next.
    const bool committed = !(ReachOf(mover, move.to) & next.menOf(opponent)).empty();
    next.mustCapture_ = committed ? move.to : NoCell;
    next.key_ ^= zobrist::Obligation(mustCapture_) ^ zobrist::Obligation(next.mustCapture_) ^
                 zobrist::BlueToMove();
    next.toMove_ = opponent;
    return next;
}

}  // namespace vintrel::engine
