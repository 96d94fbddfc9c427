#pragma once

#include "replay/ReplayRecord.h"

#include <cstdint>
#include <string>

// The header of a match about to start on the level file at `levelPath`:
// the level named after its file, its files read and hashed now, and kept
// in the replay when it is a custom level.
ReplayHeader matchHeader(ReplayMode mode, const std::string& levelPath, bool customLevel, int p1Kind, int p2Kind,
                         std::uint64_t seed);

// Records a match while it is played. After each step of the world:
//
//     if (recorder.addStep(inputs[0], inputs[1]))
//         recorder.addChecksum(checksum(world));
//
// and when the match ends: recorder.finish(won, checksum(world)).
class ReplayRecorder {
public:
    explicit ReplayRecorder(ReplayHeader header);

    // Notes the buttons of the step just played. True when the world's
    // checksum after this step is due (every 300th step). A match longer
    // than 30 minutes keeps its first 30: later steps are not noted (false).
    bool addStep(FightInput p1, FightInput p2);
    // The checksum of the world after the step just noted, when it was due;
    // ignored otherwise.
    void addChecksum(std::uint64_t checksum);

    std::uint32_t steps() const { return record_.finalStep; }
    bool full() const { return record_.finalStep >= static_cast<std::uint32_t>(replayMaxSteps); }

    // The record: `won` for a match that ended with a winner, the world's
    // checksum now. A match cut at 30 minutes is unfinished and ends at its
    // last checksum.
    ReplayRecord finish(bool won, std::uint64_t finalChecksum);

private:
    ReplayRecord record_;
    bool checksumDue_ = false;
    bool cut_ = false;
};
