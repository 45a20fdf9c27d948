// A game as UTF-8 text: tags such as [Red "Player"], then the moves,
// numbered, "1. 61-43 16-34 2. 43x34 17-26". Every move read is checked by
// replaying the game from the start.
#pragma once

#include "game.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

inline constexpr std::size_t MaxGameTextBytes = 1 << 20;
inline constexpr std::size_t MaxGameMoves = 10'000;

// The tags every written game carries, in this order, before any others.
inline constexpr std::string_view StandardTagNames[] = {"Event", "Date", "Red", "Blue", "Result"};

struct GameText {
    // Event, Date, Red, Blue, Result first once written and read, then the
    // rest in the order given.
    std::vector<Tag> tags;
    std::vector<PlayedMove> moves;  // checked: Game::Replayed(moves) stands

    std::string tag(std::string_view name) const;  // "" when absent
    void setTag(std::string_view name, std::string value);
};

struct NotationError {
    int line = 0;        // 1-based; 0 when the text as a whole is at fault
    int moveNumber = 0;  // 0 when no move is at fault
    Side side = Side::Red;
    std::string what;  // "34-56 is out of range"

    // "game.vintrel:7: move 12, blue: 34-56 is out of range"
    std::string describe(std::string_view fileName) const;
};

struct ReadResult {  // exactly one of the two is set
    std::optional<GameText> game;
    std::optional<NotationError> error;
};

ReadResult ReadGame(std::string_view text);
// The Result tag is written from the replayed moves, whatever the tags say.
std::string WriteGame(const GameText& game);
std::string ResultText(Result result);  // "1-0", "0-1", "*"

}  // namespace vintrel
