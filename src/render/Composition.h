#pragma once

#include "app/SceneState.h"

struct Game;

// Scenes draw into the seven off-screen layers; these stack the layers and
// compose the result onto the window through the effect shaders.
void drawParallax(Game& game);
void drawFightScene(Game& game);
void drawRoomScene(Game& game, SceneState room);
void composeToWindow(Game& game);
// The first actions of every draw: clear the five per-frame layers.
void clearFrameLayers(Game& game);
