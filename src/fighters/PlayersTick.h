#pragma once

struct Game;
struct Player;

// The fighters' update, once per frame in the walkable scenes and the fight.
void playersTick(Game& game);

// Hub rooms: a fighter touching a screen edge is thrown back into view.
void clampToScreen(Player& player);
// Fight: a fighter walking into the other stops at the other's hitbox edge.
void blockBodies(Player& player, const Player& other);
