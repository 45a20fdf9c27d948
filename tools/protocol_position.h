// The position of the text protocol: "start", then moves in the notation's
// own form, each checked under the rules as it is replayed.
#pragma once

#include "game_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel::engine {

struct ProtocolPosition {
    GameState state = GameState::Start();
    int plies = 0;
};

struct PositionParse {  // exactly one of the two is set
    std::optional<ProtocolPosition> position{};
    std::string error{};
};

// From the words after "position": "start [moves 61-43 16-34 43x34 ...]".
PositionParse ParsePosition(const std::vector<std::string_view>& words);

// "61-43", or "43x34" when the move takes a man.
std::string ProtocolMoveText(const GameState& state, Move move);

// Whether the side to move may make `move`.
bool Stands(const GameState& state, Move move);

}  // namespace vintrel::engine
