#pragma once

#include "net/InputPacket.h"
#include "world/FightInput.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Both players' buttons of an online match, step by step, as one side knows
// them: its own as pressed, the other side's as far as received and guessed
// beyond. It makes the packets that carry ours, checks the packets that carry
// theirs, notices a guess that was wrong and compares the two sides' checksums.

constexpr std::uint32_t maxPredictedSteps = 45;    // 150 ms played on guesses, then wait
constexpr int netMaxInputDelayFrames = 4;         // frames of 1/60 s
constexpr std::uint32_t checksumEverySteps = 300;  // one second of play
constexpr std::size_t guessedStepsKept = 64;       // > maxPredictedSteps + a frame's steps
constexpr int checksumPacketRepeats = 6;           // packets that carry a new checksum
constexpr int checksumPacketEvery = 30;            // and every so many packets after

struct DropCounts {
    std::uint64_t total = 0;
    std::array<std::uint64_t, packetProblemCount> by{};  // by PacketProblem
    std::uint64_t of(PacketProblem problem) const { return by[static_cast<std::size_t>(problem)]; }
};

struct Desync {
    std::uint32_t step = 0;
    std::uint64_t ours = 0;
    std::uint64_t theirs = 0;
};

class InputTimeline {
public:
    // `localPlayer` is 0 (P1) or 1; the first `delaySteps` steps of both are
    // empty, known to both sides.
    InputTimeline(int localPlayer, int delaySteps);

    // Whether the next step may be played without guessing too far ahead.
    bool mayPlay() const;
    // This side's buttons pressed now: they are played `delaySteps` steps on.
    void pushLocal(FightInput input);
    // Both players' buttons for `step` (below what is pushed); the other side's
    // guessed as its last received when not received yet, and remembered.
    void buttonsFor(std::uint32_t step, FightInput out[2]);
    // The earliest step played on a wrong guess since the last call, if any.
    std::optional<std::uint32_t> takeFirstWrong();

    InputPacket nextPacket();
    PacketProblem receive(const InputPacket& packet);
    PacketProblem receiveBytes(std::string_view bytes);
    void countDropped(PacketProblem problem);

    // The checksum of our world after `note.step` steps, both sides' buttons real.
    void noteChecksum(ChecksumNote note);

    std::uint32_t peerKnown() const { return static_cast<std::uint32_t>(inputs_[1 - local_].size()); }
    // Steps of our buttons the other side has acknowledged.
    std::uint32_t peerHolds() const { return peerAck_; }
    // How many steps this side runs ahead of the other, halfway between how
    // far ahead each sees itself (the time on the way cancels out).
    int stepsAhead() const { return (ownAdvantage() - peerAdvantage_) / 2; }
    const std::vector<FightInput>& inputs(int player) const { return inputs_[player]; }
    // Our checksum after `step` steps, once noted (steps 300, 600, ...).
    std::optional<std::uint64_t> ourChecksum(std::uint32_t step) const;
    const std::optional<Desync>& desync() const { return desync_; }
    const DropCounts& drops() const { return drops_; }

private:
    PacketProblem check(const InputPacket& packet) const;
    int ownAdvantage() const;
    void compareChecksums();

    int local_;
    std::uint32_t delaySteps_;
    std::vector<FightInput> inputs_[2];  // by player
    std::uint32_t played_ = 0;           // steps handed out by buttonsFor
    std::uint32_t peerAck_ = 0;          // steps of ours the other side holds
    std::array<FightInput, guessedStepsKept> guessed_{};  // the other side's buttons step s was played with
    std::optional<std::uint32_t> firstWrong_;
    int peerAdvantage_ = 0;
    std::uint32_t sequence_ = 0;
    std::optional<std::uint32_t> lastSequence_;  // of the other side's packets
    std::vector<std::uint64_t> ours_;        // after steps 300, 600, ...
    std::array<ChecksumNote, 8> theirs_{};   // the other side's latest, by second
    std::optional<ChecksumNote> latest_;
    int checksumRepeats_ = 0;
    std::optional<Desync> desync_;
    DropCounts drops_;
};
