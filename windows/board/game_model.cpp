#include "game_model.h"

#include <utility>

namespace vintrel {

void GameModel::browse(std::size_t ply) {
    if (ply == shownPly() || (ply >= game_.moves().size() && !browsed_)) return;
    if (ply >= game_.moves().size())
        browsed_.reset();
    else
        browsed_ = game_.after(ply);
    emit browsed();
}

DropDecision GameModel::playOn(Cell from, Cell to) {
    if (!browsed_) return play(from, to);
    Game earlier = *browsed_;
    const DropDecision decision = earlier.play(from, to);
    if (!Stands(decision.outcome)) return decision;
    game_ = *std::exchange(browsed_, std::nullopt);
    return play(from, to);
}

DropDecision GameModel::play(Cell from, Cell to) {
    const Side mover = game_.toMove();
    const std::size_t before = game_.moves().size();
    const DropDecision decision = game_.play(from, to);
    if (game_.moves().size() != before) tellMove(mover, decision.outcome);
    return decision;
}

bool GameModel::redo() {
    const Side mover = game_.toMove();
    const DropDecision decision = game_.redo();
    if (!Stands(decision.outcome)) return false;
    tellMove(mover, decision.outcome);
    return true;
}

void GameModel::tellMove(Side mover, DropOutcome outcome) {
    stopBrowsing();
    emit moved(mover, game_.moves().back(), outcome);
    emit changed();
}

bool GameModel::takeBack() {
    if (!game_.takeBack()) return false;
    stopBrowsing();
    emit tookBack(game_.movesKept().back());
    emit changed();
    return true;
}

void GameModel::newGame() {
    stopBrowsing();
    game_ = Game();
    started_ = QDate::currentDate();
    emit newGameBegun();
    emit changed();
}

void GameModel::load(GameText text) {
    stopBrowsing();
    game_ = Game::Replayed(text.moves);
    game_.setTags(std::move(text.tags));
    emit loaded();
    emit changed();
}

void GameModel::arrange(const Position& position, Side toMove) {
    stopBrowsing();
    game_ = Game::Arranged(position, toMove);
    emit arranged();
    emit changed();
}

GameText GameModel::text(const std::string& red, const std::string& blue) const {
    GameText text{game_.tags(), game_.moves()};
    if (text.tags.empty()) {
        text.setTag("Event", "VINTREL game");
        text.setTag("Date", started_.toString(QStringLiteral("yyyy.MM.dd")).toStdString());
        text.setTag("Red", red);
        text.setTag("Blue", blue);
    }
    return text;
}

}  // namespace vintrel
