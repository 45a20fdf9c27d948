// The program's start: what it asks of Qt before it shows anything, and
// the parts it attaches to the pair of views.
#pragma once

#include "board_cursor.h"
#include "computer_player.h"
#include "game_keeper.h"
#include "screen_reader.h"
#include "view_pair.h"

#include <QIcon>

#include <cstdint>

namespace vintrel {

// Before the QApplication exists.
void PrepareApplication();
// The names and the language of the command line, for a QCoreApplication
// too.
void ConfigureCommandLine();
// Right after it: names, style, and the limits the board relies on.
void ConfigureApplication();
// The game's icon, as the task bar shows it for each window.
QIcon GameIcon();
// Sets it on `window` right after the first frame of its board.
void GiveIconAfterFirstFrame(BoardWindow& window);

// The game as a player meets it: the two views, with the keys, the screen
// reader, the computer and the record of the game attached.
class Program {
public:
    // `seed` varies the computer's play from game to game.
    Program(const PictureFiles& pictures, std::uint64_t seed);

    ViewPair& views() { return views_; }
    ComputerPlayer& computer() { return computer_; }
    GameKeeper& games() { return games_; }
    // Shows the red view with a new game.
    void start() { views_.start(); }

private:
    std::string playerName(Side side);

    ViewPair views_;
    // The cursor before the announcer: a move's news goes to the diamond
    // the cursor has just been taken to.
    BoardCursor cursor_{views_};
    Announcer announcer_{views_};
    ComputerPlayer computer_;
    GameKeeper games_;
};

}  // namespace vintrel
