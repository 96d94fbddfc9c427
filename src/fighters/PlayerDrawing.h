#pragma once

namespace sf { class RenderTarget; }
struct Game;
struct Player;

// Draws a fighter's current frame (glowing during spawn protection).
void drawPlayer(const Game& game, const Player& player, sf::RenderTarget& target);
