// A game as UTF-8 text: tags such as [Red "Player"], then the moves,
// numbered, "1. 61-43 16-34 2. 43x34 17-26". Every move read is checked by
// replaying the game from the start.
#pragma once

#include "game.h"

#include <cstddef>
#include <cstdint>
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

// Why a text is not a game, each with the words it names in its text.
enum class NotationFault : std::uint8_t {
    TooLarge,
    UnterminatedComment,
    TagAfterMoves,
    UnterminatedTag,
    TagWithoutName,
    UnterminatedNamedTag,
    TagWithoutQuotedValue,
    TagWithoutBracket,
    TagWithStrayEscape,
    TagGivenTwice,
    NotAMove,
    WrongMoveNumber,
    NoSuchDiamond,
    MoveAfterTheEnd,
    TooManyMoves,
    NoRedManOn,
    NoBlueManOn,
    DoesNotMoveTheMan,
    LandsOnOwnMan,
    OutOfRange,
    LeavesCommittedMan,
    Refused,
    IsACapture,
    CapturesNothing,
    NotAGame,
    ResultUnknown,
    ResultButUnfinished,
    ResultButRedWon,
    ResultButBlueWon,
};

// A fault's text in English, "%1" and "%2" standing for its words: "%1 is
// out of range".
std::string_view EnglishTextOf(NotationFault fault);
// `text` with "%1", "%2" replaced by `words`, each once and as it is.
std::string FillIn(std::string_view text, const std::vector<std::string>& words);

struct NotationError {
    int line = 0;        // 1-based; 0 when the text as a whole is at fault
    int moveNumber = 0;  // 0 when no move is at fault
    Side side = Side::Red;
    NotationFault fault = NotationFault::NotAGame;
    std::vector<std::string> words;  // {"34-56"}

    std::string what() const;  // "34-56 is out of range"
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
