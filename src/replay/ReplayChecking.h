#pragma once

#include "replay/ReplayRecord.h"

#include <cstdint>
#include <string>

struct FightGround;

// Plays a replay to its end on a world alone (no game, window, picture or
// sound) and says whether it went as the match it recorded.
struct ReplayCheckResult {
    int winner = -1;                 // 0 P1, 1 P2, -1 none
    std::uint32_t steps = 0;         // steps played
    std::uint64_t finalChecksum = 0; // the world's after the last step
    std::string problem;             // "" when every stored checksum agreed
};

// The world is set up on `ground`; a custom level is looked for beside `replaysFolder`.
ReplayCheckResult checkReplay(FightGround& ground, const ReplayRecord& record, const std::string& replaysFolder);

// "winner P1\nend 2:13.45 (40035 steps)\nchecksum 0123456789abcdef\n", then
// the problem's line when there is one.
std::string checkReport(const ReplayCheckResult& result);

// `kestrelfall --check-replay FILE`: reads and checks the file with no window,
// no display and no sound, prints the report; 0 when it went as recorded, otherwise 1.
int checkReplayCommand(const std::string& path);
