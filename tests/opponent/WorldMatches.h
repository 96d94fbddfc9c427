#pragma once

#include "opponent/StrengthProfile.h"

#include <cstdint>

// Matches played on the world alone (the real levels and fighters, no window,
// no Game): each seat is the computer at a strength or a person who stands
// still, and the match is watched for what a player would hold against it.

struct Seat {
    bool computer = false;  // false: a person who presses nothing
    Strength strength = Strength::Normal;
};

inline Seat cpu(Strength strength) { return Seat{true, strength}; }

struct WatchedMatch {
    int winner = -1;          // 0 P1, 1 P2, -1 nobody before the limit
    double seconds = 0.0;     // live time played
    int kills[2] = {0, 0};    // kill race: deaths of the other fighter counted for each
    int ownDeaths[2] = {0, 0};  // deaths in a pit or on spikes with no blow, swap or touch of the other's before
    int longestStill[2] = {0, 0};  // live steps in a row with no move or jump held
};

// Plays the classic match (or, with `caa`, the kill race) seeded `seed` until
// it is won or `limitSeconds` of live time have passed.
WatchedMatch playWorldMatch(bool caa, Seat p1, Seat p2, std::uint64_t seed, int limitSeconds);
