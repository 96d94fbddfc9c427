#pragma once

#include "replay/ReplayRecord.h"

#include <cstdint>
#include <string>
#include <vector>

// A level as its files are: the level file, then each section file it names
// (once, in the order first named), read as the game reads them when it
// loads the level (at most 4 MiB each, a byte-order mark dropped). A file the
// game cannot read is kept as absent. The Jungle and custom levels alike.
std::vector<ReplayLevelFile> readLevelFiles(const std::string& levelPath);

// The kept file named `name`, or null.
const ReplayLevelFile* storedLevelFile(const ReplayHeader& header, const std::string& name);

// The level's hash: 64 bits over every file's name, presence and bytes, in order.
std::uint64_t levelHash(const std::vector<ReplayLevelFile>& files);

// "" when the installed level (its files as read now) is the one a replay
// was recorded on; otherwise one line naming the level.
std::string levelMismatch(const ReplayHeader& header, const std::vector<ReplayLevelFile>& installed);
