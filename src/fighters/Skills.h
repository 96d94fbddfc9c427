#pragma once

#include "world/GameTime.h"
#include "fighters/SwapMarker.h"

struct Player;
struct Skill;

// The skill function of a fighter kind, called once per frame by the player step.
using SkillFunction = void (*)(Skill& skill, Player& player);

// A fighter's skill: its kind, its function and the state the four kinds keep.
struct Skill {
    int kind = 1;  // 0 Napollo, 1 Atoola, 2 Gigachill, 3 Swapper
    SkillFunction activate = nullptr;
    float shieldTimer = 8.f;  // s
    int ammo = 4;
    float swapTimer = 0.f;  // s
    bool shieldReady = true;
    float swapReady = 1.f;  // 1 once the moment after a swap has passed, 0 right after one
    bool shieldInitialised = false;
    bool active = false;   // running; new presses are not registered meanwhile
    bool pressed = false;  // a fresh press, consumed by the skill function
    bool dashStarted = false;
    GameClock dashClock;
    float dashSpeed = 1750.f;   // px/s
    float dashDuration = 0.2f;  // s
};

// Gives the skill a fighter kind, its function and its per-kind values.
void selectSkill(Skill& skill, Player& player, int kind);

// The four skills.
// Napollo: a shot per press while rounds are left.
void napolloShoot(Skill& skill, Player& player);
// Atoola: with a full gauge, 0.2 s at 1750 px/s, untouchable.
void atoolaDash(Skill& skill, Player& player);
// Gigachill: spends the shield on a ground pound that stuns a grounded
// opponent; the shield returns 8 s after it was last lost.
void gigachillPound(Skill& skill, Player& player);
// Swapper: the first press places the marker, every later one swaps places with it.
void swapperSwap(Skill& skill, Player& player);
