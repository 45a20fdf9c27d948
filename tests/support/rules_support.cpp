#include "rules_support.h"

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

namespace testing {

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
