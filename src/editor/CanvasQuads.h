#pragma once

#include "level/TileMap.h"

#include <SFML/Graphics/Vertex.hpp>

#include <vector>

// The drawing of one canvas section, kept from frame to frame: a quad per
// cell in the empty-tile picture and a quad per cell in the tileset, in the
// section's own coordinates. A cell shows one of the two; the other quad is
// folded to a point. A paint changes the eight vertices of its cell only.
struct SectionQuads {
    std::vector<sf::Vertex> empty;  // 1200 quads, textured with the empty cell picture
    std::vector<sf::Vertex> tiles;  // 1200 quads, textured with the tileset
};

SectionQuads buildSectionQuads(const Section& section);
void updateCellQuads(SectionQuads& quads, int column, int row, int code);
// The tileset rectangle of a tile code: cell (code mod 8, code div 8).
sf::Vector2f tilesetCorner(int code);
