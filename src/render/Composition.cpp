#include "render/Composition.h"

#include "app/Game.h"

// Placeholder until the layer composition is written.
void drawParallax(Game&) {}
void drawFightScene(Game&) {}
void drawRoomScene(Game&, SceneState) {}
void composeToWindow(Game&) {}
void clearFrameLayers(Game&) {}
