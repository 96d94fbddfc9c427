#pragma once

#include "match/Entity.h"

struct Player;

// A hazard cell of the live section; `position` is the cell's top-left
// corner and the hazard covers the whole 64 x 64 cell. The kinds are told
// apart by their run-time type, so the family carries one virtual operation
// (it does nothing and nothing calls it).
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

// Clears the fighter's `slowed` flag, then sets it for every water cell it
// overlaps and kills it on every spike cell it overlaps (a dashing fighter
// crosses spikes unharmed).
void hazardTest(Player& player);
