#include "protocol_position.h"

#include "game.h"
#include "move_generation.h"

#include <charconv>

namespace vintrel::engine {
namespace {

struct MoveWord {
    Move move;
    bool takes = false;
};

std::optional<int> CellNumber(std::string_view digits) {
    int value = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || !IsOnBoard(value)) return std::nullopt;
    return value;
}

std::optional<MoveWord> ParseMoveWord(std::string_view word) {
    const std::size_t mark = word.find_first_of("-x");
    if (mark == std::string_view::npos) return std::nullopt;
    const auto from = CellNumber(word.substr(0, mark)), to = CellNumber(word.substr(mark + 1));
    if (!from || !to) return std::nullopt;
    return MoveWord{{Cell(*from), Cell(*to)}, word[mark] == 'x'};
}

// Why `word` cannot be played in `state`, or "" when it can.
std::string Refusal(const GameState& state, std::string_view word, const std::optional<MoveWord>& parsed) {
    const std::string quoted(word);
    if (!parsed) return "not a move: " + quoted;
    if (state.isOver()) return "the game is over before " + quoted;
    if (!Stands(state, parsed->move)) return "illegal move: " + quoted;
    if (parsed->takes != state.captures(parsed->move))
        return "wrong mark: " + quoted + " is written " + ProtocolMoveText(state, parsed->move);
    return "";
}

}  // namespace

bool Stands(const GameState& state, Move move) {
    return !move.isNone() && !state.isOver() && MoversOf(state).has(move.from) &&
           TargetsOf(state, move.from).has(move.to);
}

std::string ProtocolMoveText(const GameState& state, Move move) {
    return MoveText({move.from, move.to, state.captures(move)});
}

PositionParse ParsePosition(const std::vector<std::string_view>& words) {
    if (words.empty() || words[0] != "start") return {.error = "position must begin with start"};
    if (words.size() > 1 && words[1] != "moves") return {.error = "expected moves after start"};
    ProtocolPosition position;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::optional<MoveWord> parsed = ParseMoveWord(words[i]);
        if (std::string why = Refusal(position.state, words[i], parsed); !why.empty()) return {.error = why};
        position.state = position.state.after(parsed->move);
        ++position.plies;
    }
    return {.position = position};
}

}  // namespace vintrel::engine
