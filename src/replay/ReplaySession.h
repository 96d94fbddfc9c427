#pragma once

#include "replay/ReplayPlayback.h"
#include "replay/ReplayRecorder.h"
#include "replay/ReplayStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the fight on screen stands towards replays: recorded while it is
// played, or played back from one (watched, or checked without a window).

enum class RecordingPhase {
    Idle,         // no fight yet: the next fight step starts a recording
    Recording,    // a fight that is being recorded
    NotRecorded,  // a fight played from a replay or a script
};

struct ReplayRecording {
    RecordingPhase phase = RecordingPhase::Idle;
    std::optional<ReplayRecorder> recorder;
    std::uint32_t curtainSteps = 0;  // the first steps, while the curtain held the fighters
    bool curtainOpen = false;
    std::uint64_t lastChecksum = 0;  // the world after the last step recorded
    FightInput stepInputs[2];        // both players' buttons as the coming step reads them
};

// A replay driving the fight, one step of its input at a time.
struct ReplayDrive {
    bool active = false;
    ReplayRecord record;
    std::optional<ReplayInputs> inputs;       // walks record.runs
    std::vector<std::uint64_t> checksums;     // the world's, after steps 300, 600, ...
    std::uint64_t finalChecksum = 0;          // the world's after the last step
};

// Watching a replay on screen: the little bar's state.
struct ReplayWatch {
    bool active = false;
    ReplayPlayback playback;
    DpadLatch dpad;
};

struct ReplaySession {
    std::string folder = replayFolder;     // where ended matches are written ("" writes none)
    ReplayRecording recording;
    ReplayDrive drive;
    ReplayWatch watch;
    std::optional<ReplayRecord> lastMatch;  // the match just ended, for R on the result screen
};
