#pragma once

#include <string>
#include <vector>

// Replays from the command line:
//   kestrelfall --replay FILE         opens the game straight into the replay
//   kestrelfall --check-replay FILE   plays it without a window or sound and
//                                     says whether it went as recorded

enum class ReplayLaunchKind {
    None,   // neither option: the other options decide
    Watch,
    Check,
    Bad,    // `error` says what is wrong
};

struct ReplayLaunch {
    ReplayLaunchKind kind = ReplayLaunchKind::None;
    std::string path;
    std::string error;  // one line, without its newline
};

// Reads the words after the program's name. Either option stands alone with its file.
ReplayLaunch parseReplayLaunch(const std::vector<std::string>& args);
