#pragma once

#include "world/FightInput.h"

// Both players' buttons given by a test script, a replay or another source
// instead of the keyboard and controllers.
struct ScriptedButtons {
    bool playing = false;
    FightInput inputs[2];
};

struct InputState;
struct InputController;

// A player's buttons for the coming step, from its keyboard bindings, its
// controller's buttons and its stick (past the dead zone it is a direction).
FightInput readPlayerButtons(const InputState& input, const InputController& controller);
