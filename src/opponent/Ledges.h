#pragma once

#include "opponent/OpponentView.h"

// The places a fighter can stand on in the live section, and the way up from
// one to another: a run of ground cells in one row with room for a body above
// and no spikes on it. A fighter on a platform higher than a jump reaches is
// gone after one ledge at a time.

struct Ledge {
    float feet = 0.f;              // world px: the feet's height standing on it
    float left = 0.f, right = 0.f; // world px
    bool found = false;
};

// The ledge under world x at or below `feet` (the one a fighter there stands
// on or comes down on), for a body `halfWidth` either side of x; `found` is
// false over a pit.
Ledge ledgeBelow(const OpponentView& view, float x, float feet, float halfWidth = 0.f);

// The first ledge to jump onto on the way from `from` up to `to`, when `to`
// stands higher: `to` itself when one jump reaches it, else a ledge between;
// `found` is false when `to` is not higher or no way up is known.
Ledge nextLedgeUp(const OpponentView& view, const Ledge& from, const Ledge& to);

// Whether two ledges are the same.
bool sameLedge(const Ledge& a, const Ledge& b);
