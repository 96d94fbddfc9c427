#pragma once

namespace sf {
class RenderTarget;
}
struct Game;

// "Esc / B: back" at the bottom of the screens a player leaves with Escape
// or pad B (options, key bindings).
void drawBackLine(sf::RenderTarget& target, const Game& game);
