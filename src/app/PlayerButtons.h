#pragma once

#include "world/FightInput.h"

// Both players' buttons given by a test script, a replay or another source
// instead of the keyboard and controllers.
struct ScriptedButtons {
    bool playing = false;
    FightInput inputs[2];
};

struct Game;
struct InputState;
struct InputController;

// Where each fighter's buttons of a step come from, in this order: a script
// when one plays, the computer when it plays that fighter in a fight, else
// the player's keyboard and controller.
FightInput fighterButtons(Game& game, int player);

// A player's buttons for the coming step, from its keyboard bindings, its
// controller's buttons and its stick (past the dead zone it is a direction).
FightInput readPlayerButtons(const InputState& input, const InputController& controller);
