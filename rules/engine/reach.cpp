#include "reach.h"

#include "range.h"

#include <vector>

namespace vintrel::engine::detail {
namespace {

ReachTable ComputeReach() {
    ReachTable table{};
    for (Side side : {Side::Red, Side::Blue})
        for (Cell cell = 0; cell < CellCount; ++cell)
            for (Cell reached : RangeOf(side, cell)) table[std::size_t(side)][cell].add(reached);
    return table;
}

// Breadth first from the winning diamond, backwards along reach.
std::array<std::uint8_t, CellCount> DistancesFor(Side side) {
    std::array<std::uint8_t, CellCount> distance;
    distance.fill(std::uint8_t(NoPath));
    distance[WinningCell(side)] = 0;
    std::vector<Cell> frontier = {WinningCell(side)};
    for (std::uint8_t moves = 1; !frontier.empty(); ++moves) {
        std::vector<Cell> next;
        for (Cell cell = 0; cell < CellCount; ++cell) {
            if (distance[cell] != NoPath) continue;
            for (Cell target : frontier)
                if (Reach[std::size_t(side)][cell].has(target)) {
                    distance[cell] = moves;
                    next.push_back(cell);
                    break;
                }
        }
        frontier = std::move(next);
    }
    return distance;
}

}  // namespace

const ReachTable Reach = ComputeReach();
const DistanceTable MovesToCorner = {DistancesFor(Side::Red), DistancesFor(Side::Blue)};

}  // namespace vintrel::engine::detail
