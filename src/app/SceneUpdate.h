#pragma once

struct Game;

// The update of the current scene, after the steps every frame shares
// (curtain, latches, projectiles). A state outside 0..12 updates nothing.
void updateScene(Game& game);

// The walkable rooms and the fight, one numbered step at a time.
void updateMainHubScene(Game& game);
void updateModeSelectScene(Game& game);
void updateMapSelectScene(Game& game);
void updateFightScene(Game& game);
