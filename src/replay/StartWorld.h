#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FightWorld;

// A replay's starting world is hostile input like the rest of its file: read
// into the world its header set up, it must agree with that set-up wherever
// the rules index with it (who is who, kinds, animation states and frames,
// sections, the mode), hold no shot or crate yet, and every number in it
// must be finite. "" when it may be played, otherwise what is wrong.
std::string startWorldProblem(const FightWorld& read, const FightWorld& setUp, int frameCounts[2]);

// Reads a replay's starting world over the one its header just set up in
// `world`; "" when it may be played, otherwise what is wrong (and `world` is as it was).
std::string readStartWorld(FightWorld& world, const std::vector<std::uint8_t>& bytes);
