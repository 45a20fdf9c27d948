#include "game_record.h"

#include "board_window.h"
#include "view_pair.h"

namespace vintrel {

GameRecord::GameRecord(ViewPair& views) {
    views.forEachWindow(this, [this](BoardWindow& window) { connectWindow(window); });
}

void GameRecord::connectWindow(BoardWindow& window) {
    connect(&window, &BoardWindow::moveStood, this, &GameRecord::moveStood);
    connect(&window, &BoardWindow::tookBack, this, &GameRecord::tookBack);
    connect(&window, &BoardWindow::newGameLaidOut, this, &GameRecord::newGame);
}

void GameRecord::moveStood(Side, Cell from, Cell to, bool captures) {
    moves_.push_back({from, to, captures});
    emit movesChanged();
}

void GameRecord::tookBack() {
    if (moves_.empty()) return;
    moves_.pop_back();
    emit movesChanged();
}

GameText GameRecord::text(const std::string& red, const std::string& blue) const {
    GameText game{tags_, moves_};
    if (tags_.empty()) {
        game.setTag("Event", "VINTREL game");
        game.setTag("Date", started_.toString(QStringLiteral("yyyy.MM.dd")).toStdString());
        game.setTag("Red", red);
        game.setTag("Blue", blue);
    }
    return game;
}

void GameRecord::newGame() {
    moves_.clear();
    tags_.clear();
    started_ = QDate::currentDate();
    emit newGameBegun();
}

}  // namespace vintrel
