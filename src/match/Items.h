#pragma once

#include <memory>

struct Crate;
struct FightWorld;
struct Player;

// Crate timing and the crate's own update, each fight frame after the players' tick.
void crateStep(FightWorld& world);
// Drops a crate into view beside the player without the right of way.
void spawnCrate(FightWorld& world);
// Falls, ages, opens on a swing and ends out of view or after its lifetime.
void updateCrate(FightWorld& world, Crate& crate);
// The lying crate becomes `player`'s item, of a random kind.
void openCrate(FightWorld& world, Player& player);

// Each fight frame: the items the players asked to use (P1 first), and the
// running SPEED and SLOW effects.
void activeItems(FightWorld& world);
void useItem(Crate& item, Player& user);
// The player's item is gone (used up, match reset, sudden death).
void destroyItem(Player& player);

// Whether the player's SPEED or SLOW is running, and for how long (s).
bool effectRunning(const Player& player);
float effectTime(const Player& player);
