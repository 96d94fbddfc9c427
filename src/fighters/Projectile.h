#pragma once

struct Game;

// The shots in flight.
struct ProjectileList {
};

// Advances every shot and removes the dead ones; runs every frame, whatever the scene.
void updateProjectiles(Game& game);
