#pragma once

#include "app/GameTime.h"
#include "match/Entity.h"

struct Game;
struct Player;
struct Skill;

// The skill function of a fighter kind, called once per frame by the player step.
using SkillFunction = void (*)(Skill& skill, Player& player);

// A fighter's skill: its kind, its function and the state the four kinds keep.
struct Skill {
    int kind = 1;  // 0 Napollo, 1 Atoola, 2 Gigachill, 3 Swapper
    struct SwapMarker* marker = nullptr;
    SkillFunction activate = nullptr;
    float shieldTimer = 8.f;  // s
    int ammo = 4;
    float swapTimer = 0.f;  // s
    bool shieldReady = true;
    float swapReady = 1.f;
    bool shieldInitialised = false;
    bool active = false;   // running; new presses are not registered meanwhile
    bool pressed = false;  // a fresh press, consumed by the skill function
    bool dashStarted = false;
    GameClock dashClock;
    float dashSpeed = 1750.f;   // px/s
    float dashDuration = 0.2f;  // s
    Game* game = nullptr;
};

// The Swapper's marker; parked far outside any level while not placed.
struct SwapMarker : Entity {
    int owner = 0;
    bool placed = false;
    Game* game = nullptr;
};

// Gives the skill a fighter kind and its per-kind values.
void selectSkill(Skill& skill, Player& player, int kind);
// The marker's per-frame step: knocks, fall, leaving the view.
void updateMarker(SwapMarker& marker);
