#include "replay.h"

#include "board_window.h"
#include "view_pair.h"

#include <QAction>

namespace vintrel {

Replay::Replay(ViewPair& views, std::function<std::optional<Side>()> computerSide)
    : views_(views), computerSide_(std::move(computerSide)) {}

bool Replay::play(const std::vector<PlayedMove>& moves) {
    BoardWindow* onScreen = views_.shown();
    if (!onScreen) return false;
    const bool switchOn = onScreen->menuItem("mnuSwitch").isChecked();
    views_.beginReplay();
    newGame();
    // Every move but the last in one view, as with the switch off; the
    // last in the view play by hand would have made it in, so that the
    // switch, the end of the game and the take back follow from it.
    setSwitch(false);
    bool stood = true;
    for (std::size_t i = 0; stood && i + 1 < moves.size(); ++i) stood = playInShownView(moves[i]);
    const Side lastMover = moves.size() % 2 == 1 ? Side::Red : Side::Blue;
    show(viewFor(moves.empty() ? Side::Red : lastMover, onScreen, switchOn));
    setSwitch(switchOn);
    if (stood && !moves.empty()) stood = playInShownView(moves.back());
    views_.endReplay(newsOf(moves));
    return stood;
}

void Replay::newGame() {
    BoardWindow& window = *views_.shown();
    // A man held by any hand belongs to the game being replaced.
    window.putHeldBack();
    window.menuItem("mnuReset").trigger();
}

bool Replay::playInShownView(const PlayedMove& move) {
    BoardWindow& window = *views_.shown();
    if (!window.lift(move.from)) return false;
    bool stood = false;
    const auto connection = connect(&window, &BoardWindow::moveStood, this, [&stood] { stood = true; });
    window.dropHeldOn(move.to);
    disconnect(connection);
    return stood;
}

BoardWindow* Replay::viewFor(Side mover, BoardWindow* onScreen, bool switchOn) const {
    if (const std::optional<Side> computer = computerSide_())
        return *computer == Side::Blue ? &views_.red() : &views_.blue();
    if (switchOn) return mover == Side::Red ? &views_.red() : &views_.blue();
    return onScreen;
}

void Replay::show(BoardWindow* window) {
    BoardWindow& shown = *views_.shown();
    if (window == &shown) return;
    // The player's way to the other view, which leaves the commitment
    // markers for it.
    shown.menuItem(shown.view().otherViewItem.name).trigger();
}

// The player's own way to the switch; against the computer it stays off.
void Replay::setSwitch(bool on) {
    QAction& item = views_.shown()->menuItem("mnuSwitch");
    if (item.isEnabled() && item.isChecked() != on) item.trigger();
}

QString Replay::newsOf(const std::vector<PlayedMove>& moves) const {
    const Game game = Game::Replayed(moves);
    const QString side = game.toMove() == Side::Red ? tr("red") : tr("blue");
    const QString state = game.isOver() ? tr("GAME OVER!! %1 won").arg(side) : tr("%1 to move").arg(side);
    return tr("Game opened: %1 moves, %2").arg(moves.size()).arg(state);
}

}  // namespace vintrel
