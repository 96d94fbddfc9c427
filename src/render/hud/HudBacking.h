#pragma once

namespace sf {
class RenderStates;
class RenderTarget;
}
struct Game;

// A dark band behind the minimap and the timer, so they read over any
// background (the goal totem of the middle section stands right under them).
void drawHudBacking(const Game& game, sf::RenderTarget& target, const sf::RenderStates& states);
