#pragma once

#include "level/TileMap.h"

#include <SFML/Graphics/Vertex.hpp>

#include <vector>

// The drawing of one canvas section, kept from frame to frame: one quad per
// tile in the section's own coordinates, textured from the tileset. Empty
// cells need none (the section's background shows the empty cell picture).
// A paint rebuilds the quads of its own section only.
struct SectionQuads {
    std::vector<sf::Vertex> tiles;
};

SectionQuads buildSectionQuads(const Section& section);
// The tileset rectangle of a tile code: cell (code mod 8, code div 8).
sf::Vector2f tilesetCorner(int code);
