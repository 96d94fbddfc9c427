#pragma once

#include "net/ConfirmedEvents.h"
#include "net/PacketShim.h"
#include "net/PeerSilence.h"
#include "net/RollbackSession.h"
#include "world/FightSetUp.h"
#include "world/FightStep.h"
#include "world/FightWorld.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Two sides of an online match in one process: each a world of its own with
// a rollback session, each sending through a seeded packet shim, on a clock
// of simulated frames of 1/60 s. No window, no Game.

// The sound cues handed on, "step key" each, in order.
using Cues = std::vector<std::string>;
void addCues(Cues& cues, std::uint32_t step, const StepEvents& events);

// The world-alone step, its events handed to `note`.
using EventNote = std::function<void(std::uint32_t step, const StepEvents& events)>;
NetStepFunction worldStep(EventNote note);

// A world set up for `choice` on the Jungle ground (loaded once from the run folder).
void setUpNetFight(FightWorld& world, const FightChoice& choice);

// A player's buttons at `step`, chosen from what that side sees of the fight
// (its own world, guesses included): walk at the other fighter, strike when
// near, jump now and then, a skill or an item now and then.
FightInput scriptedPlay(const FightWorld& world, int player, std::uint32_t step);

struct NetSide {
    FightWorld world;
    RollbackSession session;
    PacketShim shim;     // what this side sends
    PeerSilence silence; // when this side last heard the other
    bool sending = true; // off: a peer gone silent
    std::uint64_t startsAtFrame = 0;  // a side that starts late neither plays nor listens before
    ConfirmedEvents<StepEvents> pendingEvents;
    Cues cues;           // handed on, confirmed steps only

    NetSide(int player, const FightChoice& choice, int inputDelayFrames, ShimSettings shim);
    // The session's step, its events kept until confirmed.
    EventNote keepEvents();
};

struct NetPair {
    std::unique_ptr<NetSide> sides[2];
    std::uint64_t frames = 0;

    NetPair(const FightChoice& choice, ShimSettings shim, int inputDelayFrames = 2);
    double now() const { return static_cast<double>(frames) / 60.0; }

    // One frame of 1/60 s on both sides: packets due are received, up to five
    // steps are played (none past `lastStep`), a packet is sent.
    void frame(std::uint32_t lastStep);
    // Frames until both sides have confirmed `lastStep` steps, at most `maxFrames`.
    bool playTo(std::uint32_t lastStep, std::uint64_t maxFrames);
};

// The checksum, winner and sounds of `inputs` played on one world without a network.
struct LocalResult {
    std::uint64_t checksum = 0;
    int winner = -1;
    Cues cues;
};
LocalResult playLocally(const FightChoice& choice, const std::vector<FightInput> inputs[2], std::uint32_t steps);
