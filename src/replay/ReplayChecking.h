#pragma once

#include "replay/ReplayRecord.h"

#include <cstdint>
#include <string>

struct Game;

// Plays a replay to its end without drawing and says whether it went as the
// match it recorded.
struct ReplayCheckResult {
    int winner = -1;                 // 0 P1, 1 P2, -1 none
    std::uint32_t steps = 0;         // steps played
    std::uint64_t finalChecksum = 0; // the world's after the last step
    std::string problem;             // "" when every stored checksum agreed
};

ReplayCheckResult checkReplay(Game& game, const ReplayRecord& record);

// "winner P1\nend 2:13.45 (40035 steps)\nchecksum 0123456789abcdef\n", then
// the problem's line when there is one.
std::string checkReport(const ReplayCheckResult& result);

// `kestrelfall --check-replay FILE`: reads and checks the file with no window
// and no sound, prints the report; 0 when it went as recorded, otherwise 1.
int checkReplayCommand(const std::string& path);
