// Everything that keeps a game beyond its windows, put together: the
// record of its moves, their replay, the autosave, the files and the move
// list.
#pragma once

#include "autosave.h"
#include "game_files.h"
#include "game_record.h"
#include "move_list.h"
#include "replay.h"

#include <functional>
#include <optional>
#include <string>

namespace vintrel {

class ViewPair;

class GameKeeper {
public:
    // `computerSide` says which side the computer plays, if any; a game's
    // record names its players by `playerName`.
    GameKeeper(ViewPair& views, std::function<std::optional<Side>()> computerSide,
               std::function<std::string(Side)> playerName);

    GameRecord& record() { return record_; }
    Replay& replay() { return replay_; }
    Autosave& autosave() { return autosave_; }
    GameFiles& files() { return files_; }
    MoveList& moveList() { return moveList_; }

private:
    GameText gameText() const;

    std::function<std::string(Side)> playerName_;
    GameRecord record_;
    Replay replay_;
    Autosave autosave_;
    GameFiles files_;
    MoveList moveList_;
};

}  // namespace vintrel
