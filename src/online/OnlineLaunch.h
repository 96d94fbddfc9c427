#pragma once

#include "launch/FightLaunch.h"
#include "online/OnlineStart.h"

#include <cstdint>
#include <optional>
#include <string>

// Online play from the command line: `--host PORT` or `--join ADDRESS:PORT`,
// in the game or, with --headless, played by the computer with no window.

// What the command line asks: the host's mode, the level at `levelPath` (""
// for the Jungle) and `seed`, this side's fighter. Nothing, with `error`,
// when the custom level cannot be played online.
std::optional<OnlineRequest> onlineRequestOf(const FightLaunch& launch, const std::string& levelPath,
                                             std::uint64_t seed, std::string& error);

// Plays the online match of `request` with no window and no sound, this
// side's fighter by the computer at `strength`, and prints the line
// "winner ... time ... checksum ..." (the same on both sides). 0 when the
// match came to its result; 1, with a line on standard error saying why, when
// it could not (nobody came, the other side went silent, the worlds went apart).
int playOnlineHeadless(const OnlineRequest& request, Strength strength);
