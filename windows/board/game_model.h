// The one game of the program, on the windows' side: it owns the game,
// takes every hand's request to change it (the mouse, the keys, the
// computer, a file opened) and tells whoever follows the game of each
// change. The views that draw it listen first.
#pragma once

#include "game.h"
#include "notation.h"

#include <QDate>
#include <QObject>

#include <string>

namespace vintrel {

class GameModel : public QObject {
    Q_OBJECT
public:
    const Game& game() const { return game_; }

    // Each tells of its change once the game has taken it.
    DropDecision play(Cell from, Cell to);
    bool takeBack();
    bool redo();
    void newGame();
    // The game becomes `text`'s, whose moves stand (a text read).
    void load(GameText text);
    // A game begun from `position`, `toMove` to move: for setting up play.
    void arrange(const Position& position, Side toMove);

    // The game as text. A game opened from a text keeps that text's tags;
    // one begun here is dated the day it began, its players named by
    // `red` and `blue`.
    GameText text(const std::string& red, const std::string& blue) const;

signals:
    // A move stood; `outcome` says whether it ended the game. A redo tells
    // of the move brought back the same way.
    void moved(vintrel::Side mover, vintrel::PlayedMove move, vintrel::DropOutcome outcome);
    void tookBack(vintrel::PlayedMove move);
    void newGameBegun();
    // A game opened, resumed or pasted replaced the one before.
    void loaded();
    // A game set up from a position replaced the one before.
    void arranged();
    // After each of the above.
    void changed();

private:
    void tellMove(Side mover, DropOutcome outcome);

    Game game_;
    QDate started_ = QDate::currentDate();
};

}  // namespace vintrel
