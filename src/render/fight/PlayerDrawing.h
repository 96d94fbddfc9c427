#pragma once

#include <SFML/Graphics/RenderStates.hpp>

namespace sf { class RenderTarget; }
struct Game;
struct Player;

// Draws a fighter's current frame; during spawn protection in the fight the
// frame is drawn 50 times with additive blending, which makes it glow white.
void drawPlayer(const Game& game, const Player& player, sf::RenderTarget& target,
                const sf::RenderStates& states = sf::RenderStates::Default);
