#pragma once

#include "match/Entity.h"

#include <vector>

struct FightWorld;

// A shot in flight. `position` is the top-left corner of its box and `size`
// the size of its picture.
struct Projectile : Entity {
    float speed = 0.f;   // px/s along `direction`; negative once deflected
    int direction = 1;   // -1 left, +1 right, fixed at spawn
    bool alive = true;
    bool fromP2 = false; // P2's shot (its target is P1); false: P1's shot
    int effect = 0;      // 0 wounds, 1 stuns
};

// Fires a shot of player `owner` (0 or 1) from `position`.
void spawnProjectile(FightWorld& world, bool stunning, sf::Vector2f position, float speed, int direction,
                     int owner);
// Advances every shot and removes the dead ones; runs every frame, whatever the scene.
void updateProjectiles(FightWorld& world);
