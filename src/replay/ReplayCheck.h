#pragma once

#include "replay/ReplayRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// Whether a replay played back went as the match it recorded: its stored
// checksums against the ones the world gave while it was played again.
struct Divergence {
    bool diverged = false;
    std::uint32_t step = 0;       // the first stored step whose checksum differs (or was not reached)
    std::uint32_t agreedUntil = 0;  // the last stored step that still agreed (0: none)
};

// `computed`: the world's checksums after steps 300, 600, ... as played back;
// `computedFinal`: after the replay's last step.
Divergence firstDivergence(const ReplayRecord& record, const std::vector<std::uint64_t>& computed,
                           std::uint64_t computedFinal);

// "play diverged by step 600 (2 s in); it still agreed at step 300", or "" when it did not.
std::string divergenceMessage(const Divergence& divergence);
