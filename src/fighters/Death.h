#pragma once

struct FightWorld;
struct Player;

// The respawn delay and the protection that follows it, in seconds.
constexpr float respawnDelay = 3.f;
constexpr float spawnProtection = 0.5f;
// How far from the other fighter a fighter comes back, px.
constexpr float respawnDistance = 850.f;

// The death of a fighter whose hit points fell below 1: handled once, then
// the fighter waits for its respawn.
void checkDeath(Player& player, FightWorld& world);
// Brings the fighter back with one hit point, protected for a moment.
void respawn(Player& player, FightWorld& world);
// Puts the fighter on the floor 850 px from the other one, on the side the
// flags decide, facing it; both down: around the camera centre.
void placeForRespawn(Player& player, FightWorld& world);
// False while the fighter is protected after a respawn; clears
// `protectionWaived` once the protection time is over.
bool isVulnerable(Player& player);
// The same test without its bookkeeping, for drawing.
bool isProtected(const Player& player);
