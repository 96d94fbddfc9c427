#pragma once

struct Game;

// The fighters' update, once per frame in the walkable scenes and the fight.
void playersTick(Game& game);
