// The computer as a player: when its side is to move it thinks on a worker
// thread, then plays through the paths a player's hand takes, the man
// gliding to his diamond first. It also gives hints, and takes its reply
// back together with the move it answered. Playing both sides, it leaves a
// pause between its moves, so that the game can be watched.
#pragma once

#include "board.h"
#include "glide.h"
#include "levels.h"
#include "players_menu.h"
#include "thinker.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <optional>

namespace vintrel {

class BoardWindow;
class ViewPair;

class ComputerPlayer : public QObject {
    Q_OBJECT
public:
    // `seed` varies the computer's play from game to game; a fixed seed
    // makes it repeat.
    ComputerPlayer(ViewPair& views, std::uint64_t seed);

    PlayersMenu& menu() { return menu_; }
    bool plays(Side side) const { return menu_.computerPlays(side); }
    bool playsAny() const { return menu_.computerPlaysAny(); }
    bool playsBoth() const { return plays(Side::Red) && plays(Side::Blue); }
    // The side it plays against a player: none for two players, nor for a
    // game it plays alone, where every view is a watcher's.
    std::optional<Side> soleSide() const {
        if (plays(Side::Red) == plays(Side::Blue)) return std::nullopt;
        return plays(Side::Red) ? Side::Red : Side::Blue;
    }
    // A search, a glide or the pause before a move is under way.
    bool isBusy() const {
        return thinker_.isThinking() || glide_.isRunning() || pause_.isActive() || heldMove_.has_value();
    }
    // Some search, cancelled or not, still has a thread of its own.
    bool hasThreads() const { return thinker_.hasThreads(); }

    // For tests and benchmarks: a faster glide, a shorter pause between the
    // moves of a game the computer plays alone, a smaller search.
    void setGlideDuration(int milliseconds) { glide_.setDuration(milliseconds); }
    void setMovePause(int milliseconds) { pause_.setInterval(milliseconds); }
    void setNodeCap(std::uint64_t nodes) { nodeCap_ = nodes; }

signals:
    // A move of the computer's landed (it may still have been refused).
    void played(vintrel::Cell from, vintrel::Cell to);
    // A hint's man glided there and back.
    void hinted(vintrel::Cell from, vintrel::Cell to);

private:
    enum class Purpose { Move, Hint };

    void connectWindow(BoardWindow& window);
    void playersChanged();
    void gameChanged();
    void reconsider();
    void askForHint();
    void think(Purpose purpose, engine::Strength strength);
    void answered(engine::Move move);
    void play(engine::Move move);
    void pauseOver();
    void glide(BoardWindow& window, engine::Move move, Purpose purpose);
    void stopWork();
    void tookBack();
    void suspendSwitch();
    void restoreSwitch();
    void openInPlayersView();
    void showBusy(bool busy);
    void updateHint();

    BoardWindow* shown() const;
    engine::GameState game() const;
    bool isComputersTurn(const engine::GameState& game) const;

    ViewPair& views_;
    PlayersMenu menu_;
    Thinker thinker_;
    Glide glide_;
    // Playing both sides: no move lands before the pause is over, and an
    // answer that comes sooner is held till then.
    QTimer pause_;
    std::optional<engine::Move> heldMove_;
    Purpose purpose_ = Purpose::Move;
    std::uint64_t seed_;
    std::uint64_t searches_ = 0;
    std::uint64_t nodeCap_ = UINT64_MAX;
    bool reconsidering_ = false;
    // "Switch Automatically" as the players left it, while the computer
    // keeps it off.
    std::optional<bool> switchBefore_;
};

}  // namespace vintrel
