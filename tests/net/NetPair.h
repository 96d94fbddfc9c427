#pragma once

#include "net/NetSide.h"
#include "net/PacketShim.h"
#include "net/SendPacing.h"
#include "world/FightSetUp.h"

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

// A world set up for `choice` on the Jungle ground (loaded once from the run folder).
void setUpNetFight(FightWorld& world, const FightChoice& choice);

// A player's buttons at `step`, chosen from what that side sees of the fight
// (its own world, guesses included): walk at the other fighter, strike when
// near, jump now and then, a skill or an item now and then.
FightInput scriptedPlay(const FightWorld& world, int player, std::uint32_t step);

struct PairSide : NetSide {
    PacketShim shim;     // what this side sends
    SendPacing pacing;   // when, as the game sends
    bool sending = true; // off: a peer gone silent
    std::uint64_t startsAtFrame = 0;  // a side that starts late neither plays nor listens before
    Cues cues;           // handed on, confirmed steps only

    PairSide(int player, const FightChoice& choice, int inputDelayFrames, ShimSettings shim);
};

struct NetPair {
    std::unique_ptr<PairSide> sides[2];
    std::uint64_t frames = 0;

    NetPair(const FightChoice& choice, ShimSettings shim, int inputDelayFrames = 2);
    double now() const { return static_cast<double>(frames) / 60.0; }

    // One frame of 1/60 s on both sides: packets due are received, up to five
    // steps are played (none past `lastStep`), a packet is sent when due.
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
