#pragma once

#include "app/SceneState.h"

struct Game;

// The thumbnail list of custom levels.
struct CustomMapScreen {
    Game* game = nullptr;
    SceneState targetState = SceneState::CustomMapSelect;  // its own state: no switch pending
    bool armed = false;
};

void initCustomMapSelect(CustomMapScreen& screen, Game& game);
// Reads the custom level list again; no switch is pending afterwards.
void rebuildList(CustomMapScreen& screen);
// Each frame in the list: back and pick, or the fade-driven switch once one is pending.
void updateCustomMapSelect(CustomMapScreen& screen);
void drawCustomMapSelect(CustomMapScreen& screen);
