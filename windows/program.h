// The game as a player meets it, put together once: the one game, the two
// views that draw it, the keys, the screen reader, the computer and the
// keeping of games and their analysis, each attached to the game. The
// program's start, the tests and the benchmarks all build this.
#pragma once

#include "analysis_window.h"
#include "board_cursor.h"
#include "computer_player.h"
#include "game_keeper.h"
#include "game_model.h"
#include "screen_reader.h"
#include "view_pair.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vintrel {

struct ProgramOptions {
    // Varies the computer's play from game to game; a fixed one repeats it.
    std::uint64_t seed = 1;
    // No computer at all: the players are two people, whatever was chosen
    // before.
    bool computer = true;
    // The computer's man glides to his diamond before he lands.
    bool glide = true;
    // Between the moves of a game the computer plays alone; its own when
    // not given.
    std::optional<int> computerPauseMs = std::nullopt;
    // The most a search may look at, on top of its level's budget.
    std::uint64_t nodeCap = UINT64_MAX;
};

class Program {
public:
    Program(const PictureFiles& pictures, const ProgramOptions& options);

    GameModel& model() { return model_; }
    ViewPair& views() { return views_; }
    BoardCursor& cursor() { return cursor_; }
    Announcer& announcer() { return announcer_; }
    // Only when the options asked for one.
    ComputerPlayer* computer() { return computer_.get(); }
    GameKeeper& games() { return games_; }
    // Built when first asked for: most games are never analysed.
    AnalysisWindow& analysis();
    // Shows the analysis of the game as it stands.
    void openAnalysis() { analysis().open(); }
    // Shows the red view with a new game.
    void start() { views_.start(); }

private:
    std::unique_ptr<ComputerPlayer> makeComputer(const ProgramOptions& options);
    void showAnalysed(std::size_t ply, std::optional<PlayedMove> better);
    std::optional<Side> computerSide() const;
    std::string playerName(Side side) const;

    GameModel model_;
    ViewPair views_;
    // The cursor before the announcer: a move's news goes to the diamond
    // the cursor has just been taken to.
    BoardCursor cursor_{views_};
    Announcer announcer_{views_};
    std::unique_ptr<ComputerPlayer> computer_;
    GameKeeper games_;
    std::unique_ptr<AnalysisWindow> analysis_;
};

}  // namespace vintrel
