#pragma once

#include "opponent/SelfMotion.h"

#include <array>

// Ledges, pits, spikes and water on the way: what walking on would meet, and
// the jump that clears it, tried out on the fighter's own movement model.

enum class Ahead { Clear, Wall, Water, Danger };

// What walking on in `direction` meets soon: a wall or step
// (Wall), water that slows (Water), a fall into a pit or onto spikes
// (Danger), or nothing.
// `glance` is how far ahead in time it looks (s).
Ahead lookAhead(const SelfMotion& now, int direction, const OpponentView& view, float glance);

// A jump as the buttons make it: Jump held for `hold` steps from now, and,
// when `doubleAt` > 0, pressed again `doubleAt` steps from now for `doubleHold`;
// the walk starts `walkFrom` steps from now (straight up first, beside a
// ledge overhead) and goes on until `walkFor` steps (0: to the landing).
struct JumpScript {
    int hold = 0;
    int doubleAt = 0;
    int doubleHold = 0;
    bool found = false;
    int walkFor = 0;
    int walkFrom = 0;
};

// Of a few human jumps (full, full and double, short hop, early double), the
// one that lands safely farthest on while walking on in `direction`; `found`
// is false when none lands safely a little way on.
JumpScript chooseJump(const SelfMotion& now, int direction, const OpponentView& view);

// Whether the script holds Jump `step` steps after it began.
bool jumpHeldAt(const JumpScript& script, int step);

// The first of those jumps that lands safely at least `height` px higher
// (onto the platform another fighter stands on); `found` is false when none does.
JumpScript jumpUpTo(const SelfMotion& now, int direction, float height, const OpponentView& view);

// Whether the script still walks `step` steps after it began.
bool walksAt(const JumpScript& script, int step);

// Of those jumps, some letting go of the walk early, the first that comes
// down safely on `ledge` (a platform to climb onto); `found` is false when none does.
struct Ledge;
JumpScript jumpOnto(const SelfMotion& now, int direction, const Ledge& ledge, const OpponentView& view);

// Whether a dash of Atoola's (0.2 s at 1750 px/s, no fall) in `direction`
// ends where the fighter comes down safely.
bool dashIsSafe(const SelfMotion& now, int direction, const OpponentView& view);

// Whether the fighter, in the air, comes down in a pit or on spikes walking on
// in `direction` (0: not steering).
bool fallsToDeath(const SelfMotion& now, int direction, const OpponentView& view);

// Whether going on in `direction` (0: standing) a moment more and then letting
// go slides or falls the fighter into a pit or onto spikes: too late to stop.
bool slidesIntoDanger(const SelfMotion& now, int direction, const OpponentView& view);

// The three ways to steer, `direction` first and then standing still.
std::array<int, 3> wayFirst(int direction);

// In the air and falling to its death: the double jump, toward `direction` or
// back, that comes down safely; `found` is false when there is none or no
// need. `direction` is set to the way to steer (it is tried first, then the others).
JumpScript rescueJump(const SelfMotion& now, int& direction, const OpponentView& view);
