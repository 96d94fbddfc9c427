#pragma once

#include "opponent/OpponentRandom.h"
#include "opponent/OpponentView.h"
#include "opponent/Route.h"
#include "opponent/StrengthProfile.h"

// The fighting side of a decision: swing, parry, skill and item, each judged
// as a person would judge it, misjudgements included.
struct CombatChoice {
    bool attack = false;
    bool parry = false;
    int parryAfter = 0;  // steps the parry comes late
    bool skill = false;
    bool item = false;
};

// Player `me`'s choice in the view, with its fighter reckoned at `x`, on its `errand`.
CombatChoice chooseCombat(const OpponentView& view, int me, float x, Errand errand, const StrengthProfile& profile,
                          OpponentRandom& random);
