#pragma once

#include "replay/ReplayRecord.h"
#include "world/FightSetUp.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct FightWorld;

// A replay played on a world alone: no game, window, picture or sound. The
// world is set up from the replay's header on a fight ground, takes the
// replay's starting world, then one step of its buttons at a time, the
// curtain holding the fighters for the steps it held them in the match.
struct WorldReplay {
    ReplayRecord record;
    std::optional<ReplayInputs> inputs;    // walks record.runs
    std::vector<std::uint64_t> checksums;  // the world's, after steps 300, 600, ...
    std::uint64_t finalChecksum = 0;       // the world's after the last step
    bool won = false;                      // a step declared the match won: no step follows
};

// What the replay's header chooses: its mode, level, kinds and seed.
FightChoice choiceOf(const ReplayHeader& header, const std::string& levelPath);

// Sets the replay's fight up in `world` on `ground`, its custom level looked
// for beside `replaysFolder`; "" or why it cannot be played (one line).
std::string startWorldReplay(WorldReplay& replay, FightWorld& world, FightGround& ground, const ReplayRecord& record,
                             const std::string& replaysFolder);
// Plays the replay's next step; false once every step was played or the match was won.
bool stepWorldReplay(WorldReplay& replay, FightWorld& world);
