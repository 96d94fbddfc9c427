#pragma once

#include "replay/ReplayRecord.h"

#include <string>

// Where a replay's level is read from. An official level is the installed
// one. A custom level is read where it was when its files are still as the
// replay keeps them; otherwise (changed, or its folder deleted) the kept
// files are written to a private copy under "<replays>/.level/" and that is played.
struct LevelToPlay {
    std::string path;     // the level file to load ("" for an official level)
    std::string problem;  // "" or why the level cannot be played
};

LevelToPlay levelToPlay(const ReplayHeader& header, const std::string& replaysFolder);
