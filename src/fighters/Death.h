#pragma once

struct Game;
struct Player;

// The respawn delay and the protection that follows it, in seconds.
constexpr float respawnDelay = 3.f;
constexpr float spawnProtection = 0.5f;

// The death of a fighter whose hit points fell below 1, and its respawn.
void checkDeath(Player& player, Game& game);
// False while the fighter is protected after a respawn; clears
// `protectionWaived` once the protection time is over.
bool isVulnerable(Player& player);
// The same test without its bookkeeping, for drawing.
bool isProtected(const Player& player);
