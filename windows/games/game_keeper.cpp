#include "game_keeper.h"

#include "game_model.h"

namespace vintrel {

GameKeeper::GameKeeper(GameModel& model, ViewPair& views, std::function<std::string(Side)> playerName)
    : model_(model),
      playerName_(std::move(playerName)),
      autosave_(model, [this] { return WriteGame(gameText()); }),
      files_(views, model, autosave_, [this] { return gameText(); }),
      moveList_(views, model, files_) {}

GameText GameKeeper::gameText() const { return model_.text(playerName_(Side::Red), playerName_(Side::Blue)); }

}  // namespace vintrel
