// Everything that keeps a game beyond its windows, put together: the
// autosave, the files and the move list, each following the one game.
#pragma once

#include "autosave.h"
#include "game_files.h"
#include "move_list.h"

#include <functional>
#include <string>

namespace vintrel {

class GameModel;
class ViewPair;

class GameKeeper {
public:
    // A game's record names its players by `playerName`.
    GameKeeper(GameModel& model, ViewPair& views, std::function<std::string(Side)> playerName);

    Autosave& autosave() { return autosave_; }
    GameFiles& files() { return files_; }
    MoveList& moveList() { return moveList_; }

private:
    GameText gameText() const;

    GameModel& model_;
    std::function<std::string(Side)> playerName_;
    Autosave autosave_;
    GameFiles files_;
    MoveList moveList_;
};

}  // namespace vintrel
