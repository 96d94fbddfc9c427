#pragma once

#include "world/FightInput.h"
#include "world/StepEvents.h"

struct FightWorld;

// One fixed step (1/300 s) of a fight set up in `world`, with both players'
// buttons: the world's clock moves on, the rules run, and what the step asks
// of the scene around it (sounds, music, the STOP flash, a match won) comes
// back. No window, no device, no wall clock.
const StepEvents& stepFight(FightWorld& world, const FightInput inputs[2]);

// The fight's rules for one step whose clock and length are already set, in
// order: shots, the kill race's changes, camera, right of way, match clock,
// fighters, crates and items, win tests, flags. Events are added to `world.events`.
void runFightRules(FightWorld& world, const FightInput inputs[2]);

// The winner (0 P1, 1 P2) once the match is decided, otherwise -1.
int fightWinner(const FightWorld& world);
