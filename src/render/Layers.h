#pragma once

namespace sf { class RenderTarget; class RenderTexture; class Shader; class Sprite; }
struct Game;

// Draws a layer's picture onto `target`, through `shader` when one is given.
// The layer is finalised first, so the picture read is this frame's and upright.
void stackLayer(sf::RenderTarget& target, sf::RenderTexture& layer, const sf::Sprite& layerSprite,
                const sf::Shader* shader = nullptr);

// Makes `layer` the size of the screen, its sprite showing it, unless it is
// made already. The HUD and vortex layers are made on first use.
void ensureLayer(Game& game, sf::RenderTexture& layer, sf::Sprite& layerSprite);

// Points a layer at the fixed screen (HUD, stacking) rather than the world.
void aimAtScreen(sf::RenderTexture& layer);
