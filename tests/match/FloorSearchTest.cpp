#include "match/FloorSearch.h"

#include "level/TileMap.h"

#include <gtest/gtest.h>

namespace {

// A section of `columns` columns, all empty, at section index 1 of a map
// whose sections are 64 x columns wide.
TileMap emptyMap(int columns)
{
    TileMap map;
    map.columns = columns;
    TileColumn empty;
    empty.fill(emptyCode);
    map.grid.assign(2, Section(static_cast<std::size_t>(columns), empty));
    map.lastSection = 1;
    return map;
}

void put(TileMap& map, int column, int row, int code)
{
    map.grid[1][static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = code;
}

constexpr float left = 10 * 64.f;  // section 1's left edge

}  // namespace

TEST(FloorSearch, StepsOverSpikeColumnsInTheSearchDirection)
{
    TileMap map = emptyMap(10);
    for (int c = 2; c <= 4; ++c)
        put(map, c, 15, spikeCode);
    put(map, 5, 15, 1);
    put(map, 6, 15, 1);
    put(map, 1, 15, 1);
    put(map, 0, 15, 1);
    // Rightwards from column 2: its spike makes the search skip the spike
    // columns 3 and 4 and the first column after them, landing on 6.
    EXPECT_EQ(findFloorCell(map, 1, left + 2 * 64.f, 1, 60.f).column, 6);
    // Leftwards from column 4 the same way: 3, 2 and 1 are skipped.
    EXPECT_EQ(findFloorCell(map, 1, left + 4 * 64.f, -1, 60.f).column, 0);
}

TEST(FloorSearch, FindsTheFirstFloorAndNeverLeavesTheSection)
{
    TileMap map = emptyMap(10);
    put(map, 2, 15, 1);
    put(map, 2, 17, 1);
    // The first floor down the column: the cell above it.
    const FloorCell here = findFloorCell(map, 1, left + 2 * 64.f + 10.f, 1, 60.f);
    EXPECT_TRUE(here.onFloor);
    EXPECT_EQ(here.row, 14);
    EXPECT_EQ(here.position, sf::Vector2f(left + 2 * 64.f + 30.f, 14 * 64.f));
    // Nothing to the right of column 6: the search turns back and finds column 2.
    const FloorCell back = findFloorCell(map, 1, left + 6 * 64.f, 1, 60.f);
    EXPECT_TRUE(back.onFloor);
    EXPECT_EQ(back.column, 2);
    // Far outside the section the search starts from its nearest column.
    EXPECT_EQ(findFloorCell(map, 1, left - 5000.f, -1, 60.f).column, 2);
    EXPECT_EQ(findFloorCell(map, 1, 1e9f, 1, 60.f).column, 2);
    // A section without any floor: its start column (inside the section), top row.
    const TileMap bare = emptyMap(10);
    const FloorCell none = findFloorCell(bare, 1, left + 50 * 64.f, 1, 60.f);
    EXPECT_FALSE(none.onFloor);
    EXPECT_EQ(none.column, 9);
    EXPECT_EQ(none.row, 0);
    // A map with no sections at all.
    const FloorCell nothing = findFloorCell(TileMap{}, 1, 100.f, -1, 60.f);
    EXPECT_FALSE(nothing.onFloor);
}
