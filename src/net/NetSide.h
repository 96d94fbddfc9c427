#pragma once

#include "net/ConfirmedEvents.h"
#include "net/PeerSilence.h"
#include "net/RollbackSession.h"
#include "world/FightStep.h"
#include "world/FightWorld.h"

#include <cstdint>
#include <functional>
#include <string_view>

// One side of an online match as both the game and the tests play it: its own
// world with a rollback session, when it last heard the other side, and the
// events of its steps held until they are confirmed. What carries the packets
// (ENet, or a test's shim) is the caller's.

// The world-alone step, its events handed to `note`.
using EventNote = std::function<void(std::uint32_t step, const StepEvents& events)>;
NetStepFunction worldStep(EventNote note);

// This side's buttons for the step about to be played, chosen from its live
// world (guesses included), as a person sees the screen.
using OwnButtons = std::function<FightInput(const FightWorld& world, std::uint32_t step)>;

struct NetSide {
    FightWorld world;
    RollbackSession session;
    PeerSilence silence;
    ConfirmedEvents<StepEvents> pendingEvents;

    // `player` 0 is the host (P1); the caller sets the world up (setUpFight).
    NetSide(int player, int inputDelayFrames);
    NetSide(const NetSide&) = delete;  // the session's step points back at this side
    NetSide& operator=(const NetSide&) = delete;

    // The session's step, its events kept until confirmed.
    EventNote keepEvents();
    // A packet from the other side, heard at `now` (s).
    void receive(std::string_view bytes, double now);
};

struct FramePlay {
    int stepped = 0;
    bool waited = false;  // a step was refused: the other side is too far behind
};

// One frame of 1/60 s: corrections, then up to a frame's steps with `buttons`
// (none at or past `lastStep`).
FramePlay playNetFrame(NetSide& side, const OwnButtons& buttons, std::uint32_t lastStep);
