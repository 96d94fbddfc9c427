#pragma once

#include "replay/ReplayFile.h"

#include <ctime>
#include <string>
#include <vector>

// The replays the game keeps in the run folder:
// "Replays/<yyyy-mm-dd_hh-mm-ss>_<mode>_<level>.kfr", the newest 50.

extern const char* const replayFolder;  // "Replays"
constexpr std::size_t keptReplays = 50;
constexpr std::size_t maxLevelWordBytes = 40;  // of the level's name in a file name

// The level's name as a file name may hold it: A-Z a-z 0-9 - _ kept, any
// other byte '_', at most 40 bytes, "level" for an empty name.
std::string fileNameWord(const std::string& name);
// "2026-12-07_00-15-42_classic_Jungle.kfr" for a match that ended at `when` (local time).
std::string replayFileName(const ReplayHeader& header, const std::tm& when);

struct SavedReplay {
    std::string path;     // where it went ("" when nothing was written)
    std::string problem;  // "" when written; otherwise one line naming the file and the system's reason
};

// Writes the replay (new file, then rename) into `folder` (made when
// missing), named after the local time `now`, and deletes the oldest of the
// replays this game named beyond the newest 50. A full disk or a read-only
// folder writes nothing and says so; the game goes on.
SavedReplay saveReplay(const ReplayRecord& record, std::time_t now, const std::string& folder = replayFolder);

// The replays this game named in `folder`, newest first.
std::vector<std::string> listReplays(const std::string& folder = replayFolder);

// Reads a replay file (at most 4 MiB); a refusal's problem is
// "<file>: <reason>" in one line.
DecodedReplay readReplayFile(const std::string& path);
