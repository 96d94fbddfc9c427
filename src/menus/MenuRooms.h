#pragma once

#include "app/SceneState.h"

struct Game;

// The three walkable menu rooms.
struct MainHub {
    Game* game = nullptr;
    SceneState targetState = SceneState::Title;
    bool armed = false;
};

struct ModeSelectRoom {
    Game* game = nullptr;
    SceneState targetState = SceneState::ModeSelect;
    bool armed = false;
};

struct MapSelectRoom {
    Game* game = nullptr;
    SceneState targetState = SceneState::MapSelect;
    bool armed = false;
};
