#include "rules_support.h"

#include <random>

namespace vintrel {

void PrintTo(Side side, std::ostream* out) { *out << (side == Side::Red ? "Red" : "Blue"); }

void PrintTo(Occupant occupant, std::ostream* out) {
    switch (occupant) {
        case Occupant::Empty: *out << "Empty"; return;
        case Occupant::RedMan: *out << "RedMan"; return;
        case Occupant::BlueMan: *out << "BlueMan"; return;
    }
    *out << "Occupant(" << int(occupant) << ")";
}

void PrintTo(DropOutcome outcome, std::ostream* out) {
    switch (outcome) {
        case DropOutcome::NoChange: *out << "NoChange"; return;
        case DropOutcome::OwnMan: *out << "OwnMan"; return;
        case DropOutcome::NotPermitted: *out << "NotPermitted"; return;
        case DropOutcome::MustCapture: *out << "MustCapture"; return;
        case DropOutcome::Moved: *out << "Moved"; return;
        case DropOutcome::WonByCorner: *out << "WonByCorner"; return;
        case DropOutcome::WonByCapture: *out << "WonByCapture"; return;
    }
    *out << "DropOutcome(" << int(outcome) << ")";
}

void PrintTo(Result result, std::ostream* out) {
    switch (result) {
        case Result::Unfinished: *out << "Unfinished"; return;
        case Result::RedWon: *out << "RedWon"; return;
        case Result::BlueWon: *out << "BlueWon"; return;
    }
    *out << "Result(" << int(result) << ")";
}

void PrintTo(const PlayedMove& move, std::ostream* out) { *out << MoveText(move); }

namespace testing {

Game RandomGame(std::uint64_t seed, std::size_t maxMoves) {
    std::mt19937_64 random(seed);
    Game game;
    while (!game.isOver() && game.moves().size() < maxMoves) {
        const std::vector<Move> moves = StandingMoves(game.position(), game.toMove(), game.commitments());
        if (moves.empty()) break;
        const Move& move = moves[random() % moves.size()];
        game.play(move.from, move.to);
    }
    return game;
}

Position PositionWith(const std::vector<Cell>& red, const std::vector<Cell>& blue) {
    Position position{};
    position.fill(Occupant::Empty);
    for (Cell cell : red) position[cell] = Occupant::RedMan;
    for (Cell cell : blue) position[cell] = Occupant::BlueMan;
    return position;
}

std::vector<Cell> CellsOf(const Range& range) { return {range.begin(), range.end()}; }

}  // namespace testing
}  // namespace vintrel
