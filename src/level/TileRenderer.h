#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <vector>

namespace sf {
class RenderTarget;
class Shader;
class Sprite;
}  // namespace sf
struct TileMap;

// Appends the quad of one tile of code `code` with its top-left corner at
// (x, y), cut from the tileset picture (8 cells of 64 px per row).
void appendTileQuad(std::vector<sf::Vertex>& quads, int code, float x, float y, sf::Color colour);

// Draws the live section and its neighbours, cut from `tileset` (the
// drawing's own picture of the tiles, never part of the map): ground and spikes into
// `tileLayer`, water into `waterLayer`, widened by one cell on each side of a
// run and 5 px lower. Each layer gets one batched draw.
void drawTiles(const TileMap& map, const sf::Sprite& tileset, sf::RenderTarget& tileLayer,
               sf::RenderTarget& waterLayer);

// The same ground alone, and the same water alone; the water's reach in the
// world comes back (empty without water), so that its shader runs only there.
// `shader`, when given, colours the ground as it is drawn.
void drawGroundTiles(const TileMap& map, const sf::Sprite& tileset, sf::RenderTarget& target,
                     const sf::Shader* shader = nullptr);
sf::FloatRect drawWaterTiles(const TileMap& map, const sf::Sprite& tileset, sf::RenderTarget& target);
