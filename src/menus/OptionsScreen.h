#pragma once

#include "app/SceneState.h"

struct Game;

// The options screen; it owns the key-binding screen.
struct OptionsScreen {
    Game* game = nullptr;
    SceneState returnState = SceneState::Pause;
};
