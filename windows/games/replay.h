// Plays a game's moves into the windows through the drop a player's hand
// makes, but quietly: no glide, no window shown between moves, and one
// piece of news at the end, told by the pair, in place of one a move. The windows then stand
// exactly as if the moves had been played by hand, in the view that play
// by hand would leave on screen.
#pragma once

#include "game.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

namespace vintrel {

class BoardWindow;
class ViewPair;

class Replay : public QObject {
    Q_OBJECT
public:
    // `computerSide` says which side the computer plays, if any: the player
    // then sees his own view.
    Replay(ViewPair& views, std::function<std::optional<Side>()> computerSide);

    // A new game, then `moves`, each of which the rules let stand. False
    // when one did not stand after all; the game then stops before it.
    bool play(const std::vector<PlayedMove>& moves);

private:
    void newGame();
    bool playInShownView(const PlayedMove& move);
    BoardWindow* viewFor(Side mover, BoardWindow* onScreen, bool switchOn) const;
    void show(BoardWindow* window);
    void setSwitch(bool on);
    QString newsOf(const std::vector<PlayedMove>& moves) const;

    ViewPair& views_;
    std::function<std::optional<Side>()> computerSide_;
};

}  // namespace vintrel
