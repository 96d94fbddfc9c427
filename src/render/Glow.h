#pragma once

namespace sf { class RenderTarget; class Shader; class Sprite; }

// The glow of a protected fighter: its picture added onto the frame fifty
// times over. With shaders, one pass adds the fifty at once.
constexpr int glowPasses = 50;

// Loads the one-pass glow; false where shaders are not available.
bool loadGlowShader(sf::Shader& shader);

// Draws `sprite` glowing onto `target`, through `shader` when it is loaded.
void drawGlowing(const sf::Sprite& sprite, sf::RenderTarget& target, const sf::Shader& shader);
