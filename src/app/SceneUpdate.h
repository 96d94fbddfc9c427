#pragma once

#include "world/FightInput.h"

struct Game;

// The update of the current scene, after the steps every frame shares
// (curtain, latches, projectiles). A state outside 0..13 updates nothing.
void updateScene(Game& game);

// The walkable rooms and the fight, one numbered step at a time.
void updateMainHubScene(Game& game);
void updateModeSelectScene(Game& game);
void updateMapSelectScene(Game& game);
void updateFightScene(Game& game);

// Each fighter's buttons for this step: scripted ones when a script plays,
// otherwise the devices'. The pause button's latch clears once it is up.
void sampleButtons(Game& game, FightInput inputs[2]);
// The fighters' step with those buttons (the rooms).
void tickPlayers(Game& game);
