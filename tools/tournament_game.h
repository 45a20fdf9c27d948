// One game of a tournament, from its opening to its end or to the move
// that makes it a draw, and the game written in the notation.
#pragma once

#include "players.h"

#include <string>
#include <vector>

namespace vintrel::engine {

// A game still undecided after this many moves, both sides counted, is a
// draw.
inline constexpr int MovesBeforeDraw = 300;

struct GameRecord {
    std::vector<Move> moves;  // the opening's first
    bool drawn = false;
    Side winner = Side::Red;  // unless drawn
};

// Throws std::runtime_error when a player's move does not stand.
GameRecord PlayGame(Player& red, Player& blue, const std::vector<Move>& opening, std::uint64_t seed);

// The game as a file of the notation holds it, tags first.
std::string WrittenGame(const GameRecord& record, const std::string& red, const std::string& blue, int round);

}  // namespace vintrel::engine
