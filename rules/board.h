// The board of 100 diamonds, what stands on each, and the starting position.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vintrel {

// A diamond's index: 10 * row + column of the square grid drawn turned
// through 45 degrees. NoCell (one past the last index) means "no cell".
using Cell = std::int16_t;
inline constexpr Cell CellCount = 100;
inline constexpr Cell NoCell = 100;

constexpr int RowOf(Cell cell) { return cell / 10; }
constexpr int ColumnOf(Cell cell) { return cell % 10; }
constexpr bool IsOnBoard(int cell) { return cell >= 0 && cell < CellCount; }

// Red ("H1") plays from the corner around cell 90 towards cell 9, blue
// ("H3") the other way round.
enum class Side : std::uint8_t { Red, Blue };

constexpr Side Opponent(Side side) { return side == Side::Red ? Side::Blue : Side::Red; }

enum class Occupant : std::uint8_t { Empty, RedMan, BlueMan };

constexpr Occupant ManOf(Side side) { return side == Side::Red ? Occupant::RedMan : Occupant::BlueMan; }
// Only for a cell that holds a man.
constexpr Side SideOf(Occupant man) { return man == Occupant::RedMan ? Side::Red : Side::Blue; }

// Every cell of the board and its window carries one of these tag texts.
inline constexpr std::string_view RedTag = "H1";
inline constexpr std::string_view BlueTag = "H3";
inline constexpr std::string_view EmptyTag = "";

std::string_view TagOf(Occupant occupant);
std::string_view TagOf(Side side);
// Any text other than a side's tag reads as an empty diamond.
Occupant OccupantOfTag(std::string_view tag);

// The opponent's cornermost diamond: a man of `side` placed there wins.
constexpr Cell WinningCell(Side side) { return side == Side::Red ? 9 : 90; }

using Position = std::array<Occupant, CellCount>;

// The thirteen cells of each home corner, in the order the start-up lays
// the men out.
inline constexpr std::array<Cell, 13> RedHomeCells = {60, 70, 80, 90, 61, 71, 72,
                                                      81, 82, 83, 91, 92, 93};
inline constexpr std::array<Cell, 13> BlueHomeCells = {7,  8,  9,  6,  17, 16, 18,
                                                       19, 27, 28, 29, 38, 39};

Position StartingPosition();

bool HasManOf(const Position& position, Side side);

}  // namespace vintrel
