// The rules twice over: the windows' drop (rules/) and the engine's
// bitboards (rules/engine/). The bytes choose moves, one byte a move, from
// the starting position; after every move both must agree on the moves
// that stand, the result, the side to move and the man owed for capture.
#include "game.h"
#include "move_generation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace vintrel;

struct Step {
    Cell from, to;
    bool captures, wins;
    auto operator<=>(const Step&) const = default;
};

// Every man of the side to move onto every diamond, through the drop
// decision a board window makes.
std::vector<Step> WindowsMoves(const Game& game) {
    std::vector<Step> steps;
    if (game.isOver()) return steps;
    const Side mover = game.toMove();
    for (Cell from = 0; from < CellCount; ++from) {
        if (game.position()[from] != ManOf(mover)) continue;
        for (Cell to = 0; to < CellCount; ++to) {
            const DropDecision decision = DecideDrop(game.position(), mover, game.commitments(), from, to);
            if (Stands(decision.outcome))
                steps.push_back({from, to, decision.captures, decision.outcome != DropOutcome::Moved});
        }
    }
    return steps;
}

std::vector<Step> EngineMoves(const engine::GameState& state) {
    engine::MoveList moves;
    engine::GenerateMoves(state, moves);
    std::vector<Step> steps;
    for (const engine::Move& move : moves) steps.push_back({move.from, move.to, state.captures(move), state.wins(move)});
    std::sort(steps.begin(), steps.end());
    return steps;
}

std::string Listed(const std::vector<Step>& steps) {
    std::string text;
    for (const Step& step : steps)
        text += ' ' + MoveText({step.from, step.to, step.captures}) + (step.wins ? "#" : "");
    return text;
}

std::string Played(const Game& game) {
    std::string text;
    for (const PlayedMove& move : game.moves()) text += ' ' + MoveText(move);
    return text;
}

[[noreturn]] void Disagree(const char* what, const Game& game, const std::vector<Step>& windows,
                           const std::vector<Step>& engine) {
    std::fprintf(stderr, "rules_fuzz: the rules disagree on %s\n  after:%s\n  windows:%s\n  engine: %s\n", what,
                 Played(game).c_str(), Listed(windows).c_str(), Listed(engine).c_str());
    std::abort();
}

void Compare(const Game& game, const engine::GameState& state, const std::vector<Step>& windows) {
    const std::vector<Step> engine = EngineMoves(state);
    if (windows != engine) Disagree("the moves that stand", game, windows, engine);
    if (game.position() != state.position()) Disagree("the position", game, windows, engine);
    if (game.isOver() != state.isOver()) Disagree("whether the game is over", game, windows, engine);
    // Once over, the game names the winner where the engine has passed the turn.
    const Side toMove = game.isOver() ? Opponent(game.toMove()) : game.toMove();
    if (toMove != state.toMove()) Disagree("the side to move", game, windows, engine);
    if (!game.isOver() && ObligationOf(game.commitments(), game.position(), toMove) != state.mustCapture())
        Disagree("the man owed for capture", game, windows, engine);
    const engine::GameState fresh = engine::GameState::From(state.position(), state.toMove(), state.mustCapture());
    if (!game.isOver() && fresh.key() != state.key()) Disagree("the engine's key", game, windows, engine);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Game game;
    engine::GameState state = engine::GameState::Start();
    std::vector<Step> steps = WindowsMoves(game);
    Compare(game, state, steps);
    for (std::size_t i = 0; i < size && !steps.empty(); ++i) {
        const Step chosen = steps[data[i] % steps.size()];
        game.play(chosen.from, chosen.to);
        state = state.after({chosen.from, chosen.to});
        steps = WindowsMoves(game);
        Compare(game, state, steps);
    }
    return 0;
}
