// The one game of the program, on the windows' side: it owns the game,
// takes every hand's request to change it (the mouse, the keys, the
// computer, a file opened) and tells whoever follows the game of each
// change. The views that draw it listen first. A player may also look
// back through the game: the position shown is then an earlier one, while
// the game itself stays whole until a move is played on from there.
#pragma once

#include "game.h"
#include "notation.h"

#include <QDate>
#include <QObject>

#include <optional>
#include <string>

namespace vintrel {

class GameModel : public QObject {
    Q_OBJECT
public:
    const Game& game() const { return game_; }

    // The game as the board shows it: the whole game, or while browsing
    // the game as it stood after the first shownPly() moves.
    const Game& shown() const { return browsed_ ? *browsed_ : game_; }
    std::size_t shownPly() const { return shown().moves().size(); }
    bool isBrowsing() const { return browsed_.has_value(); }
    // Shows the game after its first `ply` moves; the end of the game or
    // beyond returns to the game itself.
    void browse(std::size_t ply);
    void showWholeGame() { browse(game_.moves().size()); }
    // A move on the position shown, later moves dropped when browsing.
    // The game changes only when the drop stands.
    DropDecision playOn(Cell from, Cell to);

    // Each tells of its change once the game has taken it, and returns to
    // the game from any earlier position shown; one the game refuses leaves
    // the position shown as it was.
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
    // Another position of the game is shown; the game has not changed.
    void browsed();

private:
    void tellMove(Side mover, DropOutcome outcome);
    void stopBrowsing() { browsed_.reset(); }

    Game game_;
    std::optional<Game> browsed_;
    QDate started_ = QDate::currentDate();
};

}  // namespace vintrel
