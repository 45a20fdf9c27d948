#include "board.h"

namespace vintrel {

std::string_view TagOf(Occupant occupant) {
    switch (occupant) {
        case Occupant::RedMan: return RedTag;
        case Occupant::BlueMan: return BlueTag;
        case Occupant::Empty: break;
    }
    return EmptyTag;
}

std::string_view TagOf(Side side) { return TagOf(ManOf(side)); }

Occupant OccupantOfTag(std::string_view tag) {
    if (tag == RedTag) return Occupant::RedMan;
    if (tag == BlueTag) return Occupant::BlueMan;
    return Occupant::Empty;
}

Position StartingPosition() {
    Position position{};
    position.fill(Occupant::Empty);
    for (Cell cell : RedHomeCells) position[cell] = Occupant::RedMan;
    for (Cell cell : BlueHomeCells) position[cell] = Occupant::BlueMan;
    return position;
}

bool HasManOf(const Position& position, Side side) {
    for (Occupant occupant : position)
        if (occupant == ManOf(side)) return true;
    return false;
}

}  // namespace vintrel
