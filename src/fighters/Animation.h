#pragma once

struct Player;

// Advances the fighter's clip: takes up a requested state, picks the frame
// from the clip clock, and ends finished clips by their kind.
void stepAnimation(Player& player);
