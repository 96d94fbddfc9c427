#include "match/FloorSearch.h"

#include "level/TileMap.h"

#include <algorithm>
#include <cmath>

namespace {

// A column is tried from the top for at most this many rows.
constexpr int rowsTried = 19;

struct ColumnScan {
    bool found = false;
    int row = 0;
    bool abandonedOnSpike = false;  // the scan stopped above a spike
};

// The section searched, of the map that holds it.
struct LiveSection {
    const TileMap& map;
    int section;
};

int code(const LiveSection& map, int column, int row)
{
    return tileCode(map.map, map.section, column, row);
}

// The first empty cell standing on a non-empty one, from the top; the scan
// gives up early when the next cell down is a spike.
ColumnScan scanColumn(const LiveSection& map, int column)
{
    ColumnScan scan;
    int row = 0;
    for (int tries = 0;;) {
        if (code(map, column, row) == emptyCode && code(map, column, row + 1) != emptyCode) {
            scan.found = true;
            scan.row = row;
            return scan;
        }
        ++row;
        ++tries;
        if (tries >= rowsTried || code(map, column, row + 1) == spikeCode) {
            scan.abandonedOnSpike = code(map, column, row + 1) == spikeCode;
            return scan;
        }
    }
}

// The first non-empty cell of a column from row 2 down is a spike.
bool spikeColumn(const LiveSection& map, int column)
{
    for (int row = 2; row < sectionRows; ++row) {
        const int c = code(map, column, row);
        if (c != emptyCode)
            return c == spikeCode;
    }
    return false;
}

// Steps from `start` toward `direction` until a floor cell is found or the
// section ends; a column abandoned above a spike also skips its neighbours
// while they are spike columns.
ColumnScan searchFrom(const LiveSection& map, int start, int direction, int columns, int& column)
{
    column = start;
    while (column >= 0 && column < columns) {
        const ColumnScan scan = scanColumn(map, column);
        if (scan.found)
            return scan;
        column += direction;
        if (scan.abandonedOnSpike) {
            bool spike = true;
            while (spike && column >= 0 && column < columns) {
                spike = spikeColumn(map, column);
                column += direction;
            }
        }
    }
    return ColumnScan{};
}

int liveColumns(const LiveSection& live)
{
    const int s = live.section;
    return s >= 0 && s < sectionCount(live.map) ? static_cast<int>(live.map.grid[static_cast<std::size_t>(s)].size()) : 0;
}

}  // namespace

FloorCell findFloorCell(const TileMap& tileMap, int section, float x, int direction, float width)
{
    const LiveSection map{tileMap, section};
    const float left = sectionLeft(tileMap, section);
    const int columns = liveColumns(map);
    const int step = direction < 0 ? -1 : 1;
    const float wanted = std::floor((x - left) / static_cast<float>(tileSize));
    const int start = static_cast<int>(std::clamp(std::isfinite(wanted) ? wanted : 0.f, 0.f,
                                                  static_cast<float>(std::max(columns - 1, 0))));
    FloorCell cell;
    int column = start;
    ColumnScan scan = searchFrom(map, start, step, columns, column);
    if (!scan.found)
        scan = searchFrom(map, start - step, -step, columns, column);
    cell.onFloor = scan.found;
    cell.column = scan.found ? column : start;
    cell.row = scan.found ? scan.row : 0;
    cell.position = sf::Vector2f(static_cast<float>(cell.column * tileSize) + left + width / 2.f,
                                 static_cast<float>(cell.row * tileSize));
    return cell;
}
