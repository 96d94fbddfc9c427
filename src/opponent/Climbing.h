#pragma once

#include "opponent/Opponent.h"
#include "opponent/SelfMotion.h"

// Up to the fighter it goes for on a higher platform, one ledge at a time.

// At a decision: the ledge to jump onto next and the way to walk to jump from.
void planClimb(Opponent& opponent, const OpponentView& seen, const SelfMotion& self);
// On the way up: a jump that lands on the next ledge, tried now and then from near enough.
void climbOnto(Opponent& opponent, const OpponentView& seen, const SelfMotion& self);
