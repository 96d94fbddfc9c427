#pragma once

#include "app/FightSession.h"
#include "net/ConfirmedEvents.h"
#include "net/PacketShim.h"
#include "net/PeerSilence.h"
#include "net/RollbackSession.h"
#include "support/Headless.h"

#include <cstdint>
#include <memory>
#include <vector>

// Two sides of an online match in one process: each a game of its own with
// a rollback session, each sending through a seeded packet shim, on a clock
// of simulated frames of 1/60 s. Nothing is drawn.

// Today's fight step on a game whose world is `world`; a decided match stands still.
NetStepFunction gameStep(Game& game);

// Falls as a step's events: bit i set when fighter i went down in the step.
using Falls = std::vector<std::pair<std::uint32_t, int>>;  // (step, fighter)
using FallNote = std::function<void(std::uint32_t step, std::uint8_t fallBits)>;
NetStepFunction noteFalls(NetStepFunction step, FallNote note);

// A player's buttons at `step`, chosen from what that side sees of the fight
// (its own world, guesses included): walk at the other fighter, strike when
// near, jump now and then, a skill or an item now and then.
FightInput scriptedPlay(const FightWorld& world, int player, std::uint32_t step);

struct NetSide {
    HeadlessGame headless;
    Game& game;
    RollbackSession session;
    PacketShim shim;     // what this side sends
    PeerSilence silence; // when this side last heard the other
    ConfirmedEvents<std::uint8_t> pendingFalls;
    Falls falls;         // handed on, confirmed steps only
    bool sending = true; // off: a peer gone silent
    std::uint64_t startsAtFrame = 0;  // a side that starts late neither plays nor listens before

    NetSide(int player, const FightPlan& plan, int inputDelayFrames, ShimSettings shim);
};

struct NetPair {
    std::unique_ptr<NetSide> sides[2];
    std::uint64_t frames = 0;

    NetPair(const FightPlan& plan, ShimSettings shim, int inputDelayFrames = 2);
    double now() const { return static_cast<double>(frames) / 60.0; }

    // One frame of 1/60 s on both sides: packets due are received, up to five
    // steps are played (none past `lastStep`), a packet is sent.
    void frame(std::uint32_t lastStep);
    // Frames until both sides have confirmed `lastStep` steps, at most `maxFrames`.
    bool playTo(std::uint32_t lastStep, std::uint64_t maxFrames);
};

// The checksum and winner of `inputs` played on one game without a network.
struct LocalResult {
    std::uint64_t checksum = 0;
    int winner = -1;
    Falls falls;
};
LocalResult playLocally(const FightPlan& plan, const std::vector<FightInput> inputs[2], std::uint32_t steps);
