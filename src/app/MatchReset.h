#pragma once

struct Game;

// Back to the hub after a match, in eleven steps: the classic level, no
// crate, no items, fresh fighters and flags, the camera and both fighters on
// the hub floor, no kill race.
void resetMatch(Game& game);
