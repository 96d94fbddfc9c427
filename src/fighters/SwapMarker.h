#pragma once

#include "match/Entity.h"

struct FightWorld;

// Where a marker waits while it is not in the level: far outside any level.
constexpr float markerParkedAt = 32767.f;  // px, both coordinates

// The Swapper's marker: placed ahead of its owner, it falls, can be knocked
// about by any swing, and leaves the level when it leaves the view.
struct SwapMarker : Entity {
    int owner = 0;  // player number
    bool placed = false;
};

// The marker's per-frame step: knocks, fall, leaving the view, tiles.
void updateMarker(FightWorld& world, SwapMarker& marker);
// Takes the marker out of the level.
void parkMarker(SwapMarker& marker);
