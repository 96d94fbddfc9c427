#include "menus/HubMapCheck.h"

#include <algorithm>

namespace {

constexpr float doorWidth = 256.f;  // px, the width of every door picture
constexpr int floorRow = 12;        // the built-in layout's grass row
constexpr int wallTopRow = 2;       // its walls start this far down
constexpr int grassCode = 0;
constexpr int groundCode = 3;
constexpr int wallCode = 15;

// A column where a fighter comes to rest: an empty cell above a solid one
// that is not a spike.
bool standingRoom(const TileColumn& column)
{
    for (int row = 0; row + 1 < sectionRows; ++row)
        if (column[row] == emptyCode && column[row + 1] != emptyCode)
            return column[row + 1] != spikeCode;
    return false;
}

}  // namespace

std::string hubMapProblem(const Section& grid, const std::vector<float>& doorLefts)
{
    const int columns = static_cast<int>(grid.size());
    for (float left : doorLefts) {
        const int first = std::max(0, static_cast<int>(left / tileSize));
        const int last = std::min(columns - 1, static_cast<int>((left + doorWidth - 1.f) / tileSize));
        bool found = false;
        for (int column = first; column <= last && !found; ++column)
            found = standingRoom(grid[static_cast<std::size_t>(column)]);
        if (!found)
            return "has no floor to stand on in front of the door at x " + std::to_string(static_cast<int>(left)) +
                   " (only empty cells or spikes)";
    }
    return "";
}

Section builtInHubLayout(int columns)
{
    Section grid(static_cast<std::size_t>(columns), TileColumn{});
    for (int column = 0; column < columns; ++column) {
        TileColumn& cells = grid[static_cast<std::size_t>(column)];
        const bool wall = column == 0 || column == columns - 1;
        for (int row = 0; row < sectionRows; ++row) {
            if (row > floorRow)
                cells[row] = groundCode;
            else if (row == floorRow)
                cells[row] = wall ? groundCode : grassCode;
            else
                cells[row] = wall && row >= wallTopRow ? wallCode : emptyCode;
        }
    }
    return grid;
}
