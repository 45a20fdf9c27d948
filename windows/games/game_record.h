// The moves of the game on the board since it began, kept as the windows
// tell of them: a move that stood, a take back, a new game. Wherever a
// position is needed, the moves are replayed.
#pragma once

#include "game.h"
#include "notation.h"

#include <QDate>
#include <QObject>

#include <vector>

namespace vintrel {

class BoardWindow;
class ViewPair;

class GameRecord : public QObject {
    Q_OBJECT
public:
    explicit GameRecord(ViewPair& views);

    const std::vector<PlayedMove>& moves() const { return moves_; }
    // The game as text. A game opened from a text keeps that text's tags;
    // one begun here is dated the day it began, its players named by
    // `red` and `blue`.
    GameText text(const std::string& red, const std::string& blue) const;
    // The tags of the game just replayed from a text.
    void keepTags(std::vector<Tag> tags) { tags_ = std::move(tags); }

signals:
    // A move was added or taken back.
    void movesChanged();
    // A new game emptied the record.
    void newGameBegun();

private:
    void connectWindow(BoardWindow& window);
    void moveStood(Side mover, Cell from, Cell to, bool captures);
    void tookBack();
    void newGame();

    std::vector<PlayedMove> moves_;
    std::vector<Tag> tags_;
    QDate started_ = QDate::currentDate();
};

}  // namespace vintrel
