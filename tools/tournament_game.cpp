#include "tournament_game.h"

#include "move_generation.h"
#include "notation.h"
#include "protocol_position.h"
#include "zobrist.h"

#include <stdexcept>

namespace vintrel::engine {

GameRecord PlayGame(Player& red, Player& blue, const std::vector<Move>& opening, std::uint64_t seed) {
    GameRecord record;
    GameState state = GameState::Start();
    for (const Move& move : opening) {
        record.moves.push_back(move);
        state = state.after(move);
    }
    while (!state.isOver() && record.moves.size() < std::size_t(MovesBeforeDraw)) {
        if (CountMoves(state) == 0) {
            record.winner = Opponent(state.toMove());
            return record;
        }
        Player& player = state.toMove() == Side::Red ? red : blue;
        const Move move = player.chooseInGame(record.moves, state, zobrist::Mix(seed + record.moves.size())).move;
        if (!Stands(state, move)) throw std::runtime_error("a player chose a move that does not stand");
        record.moves.push_back(move);
        state = state.after(move);
    }
    record.drawn = !state.isOver();
    record.winner = state.winner();
    return record;
}

std::string WrittenGame(const GameRecord& record, const std::string& red, const std::string& blue, int round) {
    vintrel::GameText text;
    text.setTag("Event", "vintrel-engine tournament");
    text.setTag("Red", red);
    text.setTag("Blue", blue);
    text.setTag("Round", std::to_string(round));
    if (record.drawn) text.setTag("Termination", "draw after " + std::to_string(MovesBeforeDraw) + " moves");
    GameState state = GameState::Start();
    for (const Move& move : record.moves) {
        text.moves.push_back({move.from, move.to, state.captures(move)});
        state = state.after(move);
    }
    return WriteGame(text);
}

}  // namespace vintrel::engine
