#pragma once

#include "net/InputTimeline.h"
#include "world/FightWorld.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// One side of an online match: plays its own buttons at once (after a small
// input delay), predicts the other side's as the last it received, and when
// the real buttons differ it puts back the saved world of the first wrong
// step and plays forward again. It owns no world and no socket: the caller
// hands it the world each step and carries its packets.

constexpr int netStepsPerFrame = 5;          // fixed steps of 1/300 s in a frame of 1/60 s
constexpr int netDefaultInputDelayFrames = 2;
constexpr int aheadSlackSteps = 4;  // running ahead by more gives a step back
constexpr std::size_t savedWorldCount = guessedStepsKept;  // the worlds a correction may go back to

// One fixed step of the fight. `step` counts from 0; a step may run more than
// once when a guess was wrong, always from the world it had before.
using NetStepFunction = std::function<void(FightWorld& world, const FightInput inputs[2], std::uint32_t step)>;

struct SessionCounters {
    std::uint64_t rollbacks = 0;  // corrections that put a saved world back
    std::uint64_t reSteps = 0;    // steps played again after them
    std::uint64_t waits = 0;      // steps refused because the other side was too far behind
};

enum class TickResult { Stepped, Waiting };

class RollbackSession {
public:
    // `localPlayer` is 0 (the host, P1) or 1; both sides use the same delay (0..4 frames).
    RollbackSession(int localPlayer, int inputDelayFrames, NetStepFunction step);

    // 1. corrections, 2. one step with this side's buttons of now, 3. checksums.
    // Waiting: the step was refused (the other side is too far behind) and
    // `local` was not used; call again next frame.
    TickResult tick(FightWorld& world, FightInput local);
    // Step 1 alone: puts right what the buttons received since showed was
    // guessed wrong, stepping no further (a side that has stopped playing).
    void correct(FightWorld& world);

    // The steps to play in a frame of 1/60 s: one fewer while this side runs
    // ahead of the other, so that neither keeps guessing for the other.
    int stepsForFrame() const { return netStepsPerFrame - (timeline_.stepsAhead() > aheadSlackSteps ? 1 : 0); }

    InputPacket nextPacket() { return timeline_.nextPacket(); }
    PacketProblem receive(const InputPacket& packet) { return timeline_.receive(packet); }
    PacketProblem receiveBytes(std::string_view bytes) { return timeline_.receiveBytes(bytes); }

    std::uint32_t steps() const { return steps_; }
    // Steps played with both sides' real buttons: final, never played again.
    std::uint32_t confirmedSteps() const { return std::min(steps_, timeline_.peerKnown()); }
    // The world after confirmedSteps() steps (`live` is the world after steps()).
    const FightWorld& confirmedWorld(const FightWorld& live) const { return worldAfter(confirmedSteps(), live); }
    // The world after `steps` steps, one of the last savedWorldCount (`live`
    // is the world after steps()).
    const FightWorld& worldAfter(std::uint32_t steps, const FightWorld& live) const;
    // Whether the other side holds every button of ours played so far.
    bool allOursHeld() const { return timeline_.peerHolds() >= timeline_.inputs(localPlayer()).size(); }
    int localPlayer() const { return local_; }
    // Both players' buttons of every step so far (the other side's as far as received).
    const std::vector<FightInput>& inputs(int player) const { return timeline_.inputs(player); }
    std::optional<std::uint64_t> ourChecksum(std::uint32_t step) const { return timeline_.ourChecksum(step); }
    const std::optional<Desync>& desync() const { return timeline_.desync(); }
    const SessionCounters& counters() const { return counters_; }
    const DropCounts& drops() const { return timeline_.drops(); }

private:
    void rollBack(FightWorld& world, std::uint32_t to);
    void stepOnce(FightWorld& world);
    void noteChecksums(const FightWorld& live);

    int local_;
    InputTimeline timeline_;
    NetStepFunction step_;
    std::uint32_t steps_ = 0;
    std::vector<FightWorld> saved_;  // the world before step s, at s % savedWorldCount
    std::uint32_t lastNoted_ = 0;    // the step of the last checksum taken
    SessionCounters counters_;
};
