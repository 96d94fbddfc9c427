#pragma once

#include "app/SceneState.h"

struct Game;

struct PauseMenu {
    Game* game = nullptr;
    SceneState returnState = SceneState::MainHub;
};
