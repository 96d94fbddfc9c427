#pragma once

#include "replay/ReplayRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Matches without a world: input scripts shaped like people's play, recorded
// with stand-in checksums, and custom levels written for the replay to keep.

using StepInputs = std::array<FightInput, 2>;

// Each player holds a random set of buttons for 0.1 to 0.5 s, then another:
// a few changes a second, as a person plays.
std::vector<StepInputs> personScript(int steps, std::uint32_t seed);

// A stand-in for the world's checksum after `step`.
std::uint64_t standInChecksum(std::uint32_t step);

// Records the script as the fight scene will, with stand-in checksums.
ReplayRecord recordScript(const std::vector<StepInputs>& script, ReplayHeader header, bool won = true);

ReplayHeader jungleHeader();
// Writes a custom level `name` in the working folder: its level file and
// three section files, the second named twice and a fourth named but missing.
// Returns the level file's path.
std::string writeCustomLevel(const std::string& name);
// The header of a match on the custom level at `levelPath`, its files kept.
ReplayHeader customHeader(const std::string& levelPath);

// The records kept as files in tests/data/replay/ (a Jungle classic match and
// an unfinished kill race on a small custom level), made without any
// library's random numbers so that every build makes the same ones.
ReplayRecord formatSampleJungle();
ReplayRecord formatSampleCustom();
