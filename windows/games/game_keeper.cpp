#include "game_keeper.h"

namespace vintrel {

GameKeeper::GameKeeper(ViewPair& views, std::function<std::optional<Side>()> computerSide,
                       std::function<std::string(Side)> playerName)
    : playerName_(std::move(playerName)),
      record_(views),
      replay_(views, computerSide),
      autosave_(record_, views, [this] { return WriteGame(gameText()); }),
      files_(views, record_, replay_, autosave_, [this] { return gameText(); }),
      moveList_(views, record_, files_, computerSide) {}

GameText GameKeeper::gameText() const { return record_.text(playerName_(Side::Red), playerName_(Side::Blue)); }

}  // namespace vintrel
