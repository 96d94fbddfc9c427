#pragma once

#include "world/FightInput.h"

// When a side sends its buttons. Buttons held as before are what the other
// side guesses anyway, so a change goes at once and the rest every few
// frames; each packet carries every step not acknowledged yet, so one lost
// packet still loses nothing.

constexpr int sendEveryFrames = 2;  // frames of 1/60 s between packets when nothing changed

struct SendPacing {
    int framesSince = 0;
    FightInput lastSent;

    // Called once a frame with this side's newest buttons: whether a packet goes now.
    bool due(FightInput newest)
    {
        if (++framesSince < sendEveryFrames && newest == lastSent)
            return false;
        framesSince = 0;
        lastSent = newest;
        return true;
    }
};
