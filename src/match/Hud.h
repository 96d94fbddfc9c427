#pragma once

struct Game;

// The in-fight display; it also owns the countdown, the match timer and the
// sudden-death clock.
struct Hud {
    float countdown = 4.f;     // s, runs from 4 down to 0 before a fight
    float matchTimer = 300.f;  // s of match time left
};
