#pragma once

#include "opponent/ButtonHolds.h"
#include "opponent/JumpChoice.h"
#include "opponent/Ledges.h"
#include "opponent/OpponentRandom.h"
#include "opponent/OpponentView.h"
#include "opponent/Route.h"
#include "opponent/StrengthProfile.h"
#include "world/FightInput.h"

#include <cstdint>
#include <vector>

// The computer opponent of one fighter. Each step it is handed what a player
// can see of the fight and answers with the buttons of that step, the same
// bits a keyboard gives. It acts on the fight as it was its reaction delay ago,
// knowing only its own fighter as it is now, makes up its mind a few times a second, holds buttons as long as a hand
// does, and draws its chances from its own generator: it never reads the
// other player's buttons and cannot change the fight.
struct Opponent {
    int player = 1;  // the fighter it plays (0 = P1)
    Strength strength = Strength::Normal;
    StrengthProfile profile;
    OpponentRandom random;

    // What it saw over the last `profile.delaySteps` steps, and one more.
    std::vector<OpponentView> views;
    std::int64_t steps = 0;  // views received
    FightInput lastPress;    // its own buttons of the step before
    int groundSteps = 0;     // steps its fighter has stood on the ground in a row

    // The present plan.
    int untilDecision = 0;
    Errand errand = Errand::Wait;
    int moveDirection = 0;
    JumpScript jump;
    int jumpStep = -1;       // steps into `jump`, or -1 when no jump runs
    int jumpDirection = 0;
    Ledge climbTo;           // the ledge it jumps onto next on its way up to the other fighter
    int backOffSteps = 0;    // steps left of a run-up away from a ledge or wall
    int backOffDirection = 0;
    ButtonHolds holds;
    int chaseSteps = 0;      // live steps going for the other fighter without meeting it
    int holdSteps = 0;       // steps left of standing its ground, to let the other fighter come
    int stillSteps = 0;      // live steps without a move or a jump pressed
    float stuckX = 0.f;      // where its fighter was last seen to move
    int stuckSteps = 0;      // live steps since
};

// A fresh opponent at `strength` for player `player` (0 or 1) of the match
// seeded with `matchSeed`.
Opponent makeOpponent(Strength strength, std::uint64_t matchSeed, int player);

// The buttons for this step, given the view of this step.
FightInput decideInput(Opponent& opponent, const OpponentView& now);

// Shared by the parts of its play.
constexpr int settleSteps = 15;  // steps (50 ms) on the ground before it jumps again
// Whether the errand takes it to the other fighter.
bool goesForFoe(Errand errand);
// Starts `script`, walking in `direction` as the script says.
void startJump(Opponent& opponent, const JumpScript& script, int direction);
