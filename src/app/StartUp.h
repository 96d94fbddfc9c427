#pragma once

struct Game;

// Between the splash's frames, loads what the first screen did not need, for
// a short time each frame (the splash stays black and its clock waits until
// everything is loaded); outside the splash, all that is left at once.
void continueStartUp(Game& game);
