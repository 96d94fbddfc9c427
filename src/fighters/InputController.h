#pragma once

#include "world/GameTime.h"
#include "fighters/Bindings.h"
#include "world/FightInput.h"

#include <vector>

struct Player;

// Turns one player's keys, buttons and stick into its fighter's intentions.
struct InputController {
    BindingTable bindings;
    std::vector<int> axes{0, 1, 4, 3, 2};  // X, Y, U, R, Z; only X (the stick) is read
    FightInput buttons;        // this step's buttons
    bool jumpLatch = false;    // each action fires once per press
    bool attackLatch = false;
    bool parryLatch = false;
    bool skillLatch = false;
    bool pauseLatch = false;   // set by the screens that controller button 8 opens
    GameClock attackClock;
    float attackCooldown = 0.4f;  // s between attack starts
    GameClock parryClock;
    float stateTimer = 0.f;    // s spent in STUN or DEFLECT
    GameClock choiceRepeatClock;  // paces the fighter choice on a held direction pad (menus' clock)
    int joystick = 0;          // 0 for P1, 1 for P2
};

// The per-step input of one fighter, dispatched on its animation state.
void inputStep(Player& player);
// Horizontal movement: -1, 0 or +1 (0 keeps the speed and lets friction act).
void walk(Player& player, int direction);
