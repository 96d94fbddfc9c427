#pragma once

struct Player;

// Fighter kinds as the match rules name them.
constexpr int napolloKind = 0;
constexpr int atoolaKind = 1;
constexpr int gigachillKind = 2;
constexpr int napolloShots = 4;
constexpr float fullShieldTime = 8.f;  // s: Gigachill's shield is back
constexpr float gigachillSpeed = 0.8f;  // Gigachill's speed factor

// Puts a downed fighter back on its feet where it stands: idle, one hit point
// (Gigachill two when its shield has come back), Napollo's shots refilled.
void reviveFighter(Player& player);
// Drops the item a fighter holds, with any pending use of it.
void discardItem(Player& player);
