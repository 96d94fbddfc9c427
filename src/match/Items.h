#pragma once

struct Game;

// The crate part of each fight frame, after the players' tick.
void crateStep(Game& game);
// Each fight frame: the items the players asked to use, and the running effects.
void activeItems(Game& game);
