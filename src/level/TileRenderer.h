#pragma once

namespace sf { class RenderTarget; }
struct TileMap;

// Draws the live section and its neighbours: ground and spikes into
// `tileLayer`, water into `waterLayer`, widened by one cell on each side of a
// run and 5 px lower. Each layer gets one batched draw.
void drawTiles(const TileMap& map, sf::RenderTarget& tileLayer, sf::RenderTarget& waterLayer);
