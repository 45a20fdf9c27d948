#include "computer_player.h"

#include "board_window.h"
#include "commitment.h"
#include "game_model.h"
#include "view_pair.h"

#include <QAction>

#include <algorithm>

namespace vintrel {
namespace {

bool IsNewGame(const engine::GameState& game) {
    return game.toMove() == Side::Red && game.position() == StartingPosition();
}

constexpr int PauseBetweenMoves = 1000;  // milliseconds, when the computer plays both sides
// Playing both sides, a search that finds moves of the same worth picks
// among them by its seed: one that always picked the same could shuffle
// two men to and fro for ever, as the game has no draw.
constexpr int TieBreakWhenAlone = 3;  // hundredths of a man

}  // namespace

ComputerPlayer::ComputerPlayer(ViewPair& views, std::uint64_t seed) : views_(views), menu_(views), seed_(seed) {
    pause_.setSingleShot(true);
    pause_.setInterval(PauseBetweenMoves);
    connect(&pause_, &QTimer::timeout, this, &ComputerPlayer::pauseOver);
    views.forEachWindow(this, [this](BoardWindow& window) { connectWindow(window); });
    connect(&menu_, &PlayersMenu::playersChanged, this, &ComputerPlayer::playersChanged);
    connect(&menu_, &PlayersMenu::strengthChanged, this, &ComputerPlayer::gameChanged);
    connect(&menu_, &PlayersMenu::hintAsked, this, &ComputerPlayer::askForHint);
    connect(&thinker_, &Thinker::answered, this, &ComputerPlayer::answered);
    connect(&views, &ViewPair::programEnded, this, &ComputerPlayer::stopWork);
    connect(&views, &ViewPair::viewShown, this, &ComputerPlayer::gameChanged);
    connect(&views.model(), &GameModel::changed, this, &ComputerPlayer::gameChanged);
    connect(&views.model(), &GameModel::tookBack, this, &ComputerPlayer::tookBack);
    // The players chosen in an earlier run.
    playersChanged();
}

void ComputerPlayer::connectWindow(BoardWindow& window) {
    // A view built late takes on what the players chose.
    for (Side side : {Side::Red, Side::Blue}) window.barPressesFor(side, plays(side));
    if (switchBefore_) suspendSwitch();
}

void ComputerPlayer::playersChanged() {
    for (BoardWindow* window : views_.builtWindows())
        for (Side side : {Side::Red, Side::Blue}) window->barPressesFor(side, plays(side));
    if (playsAny()) {
        suspendSwitch();
        openInPlayersView();
    } else {
        restoreSwitch();
    }
    gameChanged();
}

// Whatever search or glide is under way was for a game that has changed.
void ComputerPlayer::gameChanged() {
    stopWork();
    if (playsAny()) suspendSwitch();
    if (reconsidering_) return;
    // After the change has run its course, not inside it.
    reconsidering_ = true;
    QMetaObject::invokeMethod(this, &ComputerPlayer::reconsider, Qt::QueuedConnection);
}

void ComputerPlayer::reconsider() {
    reconsidering_ = false;
    updateHint();
    if (!shown() || !playsAny() || isBusy()) return;
    const engine::GameState now = game();
    if (now.isOver()) return;
    if (IsNewGame(now)) openInPlayersView();
    if (isComputersTurn(now)) think(Purpose::Move, menu_.strength());
}

void ComputerPlayer::askForHint() {
    if (!shown() || isBusy()) return;
    const engine::GameState now = game();
    if (!now.isOver() && !isComputersTurn(now)) think(Purpose::Hint, engine::Strength::Medium);
}

void ComputerPlayer::think(Purpose purpose, engine::Strength strength) {
    purpose_ = purpose;
    engine::Level level = engine::LevelOf(strength, seed_ + ++searches_);
    level.limits.maxNodes = std::min(level.limits.maxNodes, nodeCap_);
    level.limits.maxTime = engine::WindowsTimeCapOf(strength);
    if (playsBoth()) level.limits.rootNoise = std::max(level.limits.rootNoise, TieBreakWhenAlone);
    thinker_.think(game(), level);
    if (purpose == Purpose::Move && playsBoth()) pause_.start();
    showBusy(true);
    updateHint();
}

void ComputerPlayer::answered(engine::Move move) {
    showBusy(false);
    if (pause_.isActive())
        heldMove_ = move;
    else
        play(move);
}

void ComputerPlayer::pauseOver() {
    if (heldMove_) play(*std::exchange(heldMove_, std::nullopt));
}

void ComputerPlayer::play(engine::Move move) {
    if (BoardWindow* window = shown(); window && !move.isNone()) glide(*window, move, purpose_);
    updateHint();
}

void ComputerPlayer::glide(BoardWindow& window, engine::Move move, Purpose purpose) {
    const bool hint = purpose == Purpose::Hint;
    // The computer plays the game itself, not an earlier position a player
    // is looking at.
    views_.model().showWholeGame();
    // A hint leaves the panels as they are; a move is made as a player's.
    if (!(hint ? window.lift(move.from) : window.pickUp(move.from))) return;
    glide_.start(window, move.from, move.to, hint, [this, &window, move, hint] {
        if (hint) {
            window.putHeldBack();
            updateHint();
            emit hinted(move.from, move.to);
            return;
        }
        window.dropHeldOn(move.to);
        emit played(move.from, move.to);
    });
}

void ComputerPlayer::stopWork() {
    thinker_.cancel();
    pause_.stop();
    heldMove_.reset();
    if (BoardWindow* window = glide_.window()) {
        glide_.stop();
        window->putHeldBack();
    }
    showBusy(false);
}

// The computer's reply goes back with the move it answered, so that the
// player is to move again. Playing both sides, it takes back its last two
// moves alike, and plays on from there.
void ComputerPlayer::tookBack() {
    if (BoardWindow* window = shown(); window && plays(views_.sharedTurnRecord())) window->takeBackEarlierMove();
}

void ComputerPlayer::suspendSwitch() {
    if (!switchBefore_) switchBefore_ = views_.red().switchItem().isChecked();
    for (BoardWindow* window : views_.builtWindows()) {
        window->switchItem().setChecked(false);
        window->switchItem().setEnabled(false);
    }
}

void ComputerPlayer::restoreSwitch() {
    if (!switchBefore_) return;
    for (BoardWindow* window : views_.builtWindows()) {
        window->switchItem().setChecked(*switchBefore_);
        // A window whose game has ended keeps the item disabled.
        window->switchItem().setEnabled(!window->hasEnded());
    }
    switchBefore_.reset();
}

// The player sees his own corner at the bottom: the red view against a
// computer playing blue, the blue view against one playing red. A game the
// computer plays alone is watched in whichever view is on screen.
void ComputerPlayer::openInPlayersView() {
    BoardWindow* window = shown();
    if (!window || !playsAny() || playsBoth()) return;
    const bool redViewShown = !window->view().turnedHalfRound;
    if (redViewShown == plays(Side::Blue)) return;
    QAction& otherView = window->otherViewItem();
    if (otherView.isEnabled()) otherView.trigger();
}

void ComputerPlayer::showBusy(bool busy) {
    for (BoardWindow* window : views_.builtWindows()) {
        if (busy && purpose_ == Purpose::Move)
            window->board()->setCursor(Qt::BusyCursor);
        else
            window->board()->unsetCursor();
    }
}

void ComputerPlayer::updateHint() {
    menu_.setHintEnabled(shown() && !isBusy() && !game().isOver() && !isComputersTurn(game()));
}

BoardWindow* ComputerPlayer::shown() const { return views_.shown(); }

engine::GameState ComputerPlayer::game() const {
    const Game& game = views_.model().game();
    const Position& position = game.position();
    return engine::GameState::From(position, game.toMove(), ObligationOf(game.commitments(), position, game.toMove()));
}

bool ComputerPlayer::isComputersTurn(const engine::GameState& game) const { return plays(game.toMove()); }

}  // namespace vintrel
