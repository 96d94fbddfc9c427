#pragma once

#include "world/FightInput.h"

struct FightWorld;
struct Player;

// The fighters' update, once per frame in the walkable scenes and the fight.
void playersTick(FightWorld& world, const FightInput inputs[2]);

// Hub rooms: a fighter touching a screen edge is thrown back into view.
void clampToScreen(Player& player);
// Fight: a fighter walking into the other stops at the other's hitbox edge.
void blockBodies(Player& player, const Player& other);
