#pragma once

#include "match/Entity.h"


// The five things a crate can hold, in the order of the item pictures.
enum ItemKind { SPEED = 0, STUN, SLOW, STOP, SWAP, itemKindCount };

// The crate that falls into the live section. Opened, the same record becomes
// the item its player holds: the world owns it while it lies, the player after.
// Its picture is the crate's while it lies and its kind's once held.
struct Crate : Entity {
    float age = 0.f;           // s since it appeared
    bool alive = true;         // false ends it at the next crate step
    int kind = SPEED;          // drawn when opened
    bool openedByP1 = false;   // set by the hit test, consumed in the same update
    bool openedByP2 = false;
    bool effectStarted = false;  // the SPEED or SLOW sound has been played
    float speedTime = 0.f;     // s the SPEED effect has run
    float slowTime = 0.f;      // s the SLOW effect has run
};
