#pragma once

#include "opponent/Opponent.h"
#include "opponent/SelfMotion.h"

// When it lets the other fighter come rather than going on toward it: over a
// pit or spikes, two fighters leaping at each other meet in the air and fall.

// Toward a fighter over a pit or spikes (in the air there) it goes only as
// far as its own ground reaches, and waits at the end.
int stopAtTheEnd(int direction, const OpponentView& seen, const SelfMotion& self, const FighterView& foe);
// The fighter it goes for is in the air in front of it, not far: a leap
// across now would meet it over the gap.
bool foeLeapsAtIt(const Opponent& opponent, const OpponentView& seen, const SelfMotion& self);
// The fighter it goes for walks toward the same gap from its far side and,
// as it will be by now, is nearer the gap: it lets that one come over.
bool foeComesOver(const Opponent& opponent, const OpponentView& seen, const SelfMotion& self);
// The fighter it goes for stands right in its way: the body met is that
// fighter's, to be fought, not a wall to be jumped.
bool foeInTheWay(const Opponent& opponent, const OpponentView& seen, const SelfMotion& self);
