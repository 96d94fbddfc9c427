#pragma once

struct Game;

// Right of way, section changes and the flags of the classic mode.
void updateChaseSituation(Game& game);
// The flags' update and carrier following, each fight frame.
void updateFlags(Game& game);
