#include "game_model.h"

namespace vintrel {

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
    emit moved(mover, game_.moves().back(), outcome);
    emit changed();
}

bool GameModel::takeBack() {
    if (!game_.takeBack()) return false;
    emit tookBack(game_.movesKept().back());
    emit changed();
    return true;
}

void GameModel::newGame() {
    game_ = Game();
    started_ = QDate::currentDate();
    emit newGameBegun();
    emit changed();
}

void GameModel::load(GameText text) {
    game_ = Game::Replayed(text.moves);
    game_.setTags(std::move(text.tags));
    emit loaded();
    emit changed();
}

void GameModel::arrange(const Position& position, Side toMove) {
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
