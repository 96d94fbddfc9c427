#pragma once

namespace sf { class RenderTarget; }
struct TileMap;

// Draws the live section and its neighbours: ground into `tileLayer`, water into `waterLayer`.
void drawTiles(const TileMap& map, sf::RenderTarget& tileLayer, sf::RenderTarget& waterLayer);
