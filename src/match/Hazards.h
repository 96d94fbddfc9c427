#pragma once

#include "match/Entity.h"

struct Player;

// A hazard cell of the live section. The kinds are told apart by their
// run-time type, so the family carries one (unused) virtual operation.
struct Trap : Entity {
    virtual ~Trap() = default;
    virtual void touch() {}
};

// Code 10: kills the fighter that touches it.
struct Spike : Trap {
};

// Code 9: water that slows the fighter standing in it.
struct Slow : Trap {
};

// Sets or clears the fighter's `slowed` flag and kills it on spikes.
void hazardTest(Player& player);
