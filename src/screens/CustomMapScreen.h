#pragma once

#include "app/SceneState.h"

struct Game;

// The thumbnail list of custom levels.
struct CustomMapScreen {
    Game* game = nullptr;
    SceneState targetState = SceneState::CustomMapSelect;  // its own state: no switch pending
    bool armed = false;
};
