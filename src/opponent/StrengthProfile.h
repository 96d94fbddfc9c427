#pragma once

#include "settings/PlayerControl.h"

// A strength is a person's limits, not extra knowledge: how late it sees, how
// often it makes up its mind, how well it judges a swing.
struct StrengthProfile {
    int delaySteps = 0;         // 1/300 s steps between a change and the first answer to it
    int decideEvery = 0;        // steps between two decisions, on average
    int decideJitter = 0;       // +- steps around that
    int parryPermille = 0;      // a seen swing or shot is parried
    int lateParryPermille = 0;  // ... of those, this many too late
    int wastedSwingPermille = 0;  // swings at a fighter out of reach
    int skillPermille = 0;      // takes a good chance for its skill
    int itemPermille = 0;       // uses the item it holds when it fits
};

StrengthProfile profileOf(Strength strength);
