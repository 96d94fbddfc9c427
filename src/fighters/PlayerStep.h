#pragma once

struct FightWorld;
struct Player;

// One fighter's physics and bookkeeping for one frame: speed scale, skill,
// friction, gravity and the move, death, attack and parry frames, air state
// and animation.
void updatePlayer(Player& player, FightWorld& world);
