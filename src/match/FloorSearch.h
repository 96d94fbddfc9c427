#pragma once

#include <SFML/System/Vector2.hpp>

struct TileMap;

// Where something dropped into the live section comes to rest: an empty cell
// standing on a non-empty one.
struct FloorCell {
    int column = 0;   // in the live section
    int row = 0;
    bool onFloor = false;  // false: the section had no floor cell at all
    sf::Vector2f position;  // world px: x = column's left edge + width / 2, y = the cell's top
};

// Scans the columns of section `section` (the live one) from world x toward `direction` (-1 left,
// +1 right) for a floor cell, stepping over spike columns. The search never
// leaves the section: when it reaches the section's end without a floor it
// searches back the other way from where it began, and a section without any
// floor gives the starting column (kept inside the section) at row 0.
// `width` is the width of the object to be placed.
FloorCell findFloorCell(const TileMap& map, int section, float x, int direction, float width);
