#pragma once

#include "opponent/OpponentView.h"

// Where the opponent wants to be: the flag race's errands (its flag, the goal,
// the other fighter to stop) and the kill race's one (the other fighter).

enum class Errand { FetchFlag, CarryHome, StopRunner, Fight, OpenCrate, Wait };

struct Route {
    Errand errand = Errand::Wait;
    float targetX = 0.f;  // world px
    int direction = 0;    // -1, 0, +1 from the fighter toward the target
};

// The errand of player `me` in the view, with its fighter reckoned at `x`.
Route planRoute(const OpponentView& view, int me, float x);
// Toward its own flag P1 runs right and P2 left; carrying it, the other way.
int flagDirection(int me);
