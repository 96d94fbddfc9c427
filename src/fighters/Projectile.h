#pragma once

#include "match/Entity.h"

#include <SFML/Graphics/Texture.hpp>

#include <vector>

namespace sf { class RenderTarget; }
struct Game;

// A shot in flight. `position` is the top-left corner of its box and `size`
// the size of its picture.
struct Projectile : Entity {
    float speed = 0.f;   // px/s along `direction`; negative once deflected
    int direction = 1;   // -1 left, +1 right, fixed at spawn
    bool alive = true;
    bool fromP2 = false; // P2's shot (its target is P1); false: P1's shot
    int effect = 0;      // 0 wounds, 1 stuns
};

// The two shot pictures; the shots in flight are the world's.
struct ProjectileList {
    sf::Texture textures[2];  // 0: stunning shots, 1: wounding shots
    Game* game = nullptr;
};

// Start-up: loads the shot pictures.
void initProjectiles(ProjectileList& list, Game& game);
// Fires a shot of player `owner` (0 or 1) from `position`.
void spawnProjectile(ProjectileList& list, bool stunning, sf::Vector2f position, float speed, int direction,
                     int owner);
// Advances every shot and removes the dead ones; runs every frame, whatever the scene.
void updateProjectiles(Game& game);
// Draws the shots in flight.
void drawProjectiles(const Game& game, sf::RenderTarget& target);
