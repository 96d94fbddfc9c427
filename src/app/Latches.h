#pragma once

struct Game;

// Controller buttons behind the latches: a handler that consumes a press of
// one of them sets its latch, and the latch stays set until the button is up.
constexpr int buttonA = 0;
constexpr int buttonB = 1;
constexpr int buttonLB = 4;
constexpr int buttonRB = 5;
constexpr int buttonBack = 6;
constexpr int buttonStart = 7;

// Second step of every frame: clears each latch whose button is up again
// (Start only when it is up on both controllers) and recomputes `backHeld`.
void releaseLatches(Game& game);
