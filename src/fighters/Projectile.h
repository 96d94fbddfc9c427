#pragma once

struct Game;

// The shots in flight.
struct ProjectileList {
};

// Advances every shot and removes the dead ones; runs every frame, whatever the scene.
void updateProjectiles(Game& game);

namespace sf { class RenderTarget; }
// Draws the shots in flight.
void drawProjectiles(const Game& game, sf::RenderTarget& target);
