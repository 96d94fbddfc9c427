#pragma once

#include "net/NetOptions.h"
#include "settings/PlayerControl.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Quick play and tournaments from the command line:
//   kestrelfall --fight classic|caa [--level NAME] [--p1 KIND] [--p2 KIND]
//               [--cpu1 STRENGTH] [--cpu2 STRENGTH] [--seed N] [--headless]
// KIND is napollo, atoola or gigachill; STRENGTH easy, normal or hard; a
// player without --cpuN is a person. --headless plays computer against
// computer with no window and no sound.
//
// Online, with --host PORT or --join ADDRESS:PORT (and the testing shim's
// --net-delay, --net-jitter, --net-loss): the host's --fight, --level and
// --seed choose the match; on each side --p1 and --cpu1 are its own fighter
// and who plays it; --headless plays it with --cpu1 and no window.
// --help (or -h) prints every option and what it takes.

enum class FightMode { Classic, Caa };

struct FightLaunch {
    FightMode mode = FightMode::Classic;
    std::string level;                   // a classic level's name; "" = Jungle
    std::array<int, 2> kinds{1, 1};      // 0 Napollo, 1 Atoola, 2 Gigachill
    std::array<PlayerControl, 2> players{};
    std::uint64_t seed = 0;
    bool seedGiven = false;              // otherwise the game draws one
    bool headless = false;
    NetLaunch net;                       // online: host or join, and the testing shim
};

enum class LaunchOutcome {
    Game,   // no options (or the testing shim's alone): the game opens as usual
    Fight,  // `launch` says which fight to open
    Online, // `launch` says whom to play online and how
    Help,   // --help: print `launchHelp` and stop
    Bad,    // `error` says which option is wrong and what is allowed
};

struct LaunchParse {
    LaunchOutcome outcome = LaunchOutcome::Game;
    FightLaunch launch;
    std::string error;  // one line, without its newline
};

// Reads the words after the program's name.
LaunchParse parseLaunch(const std::vector<std::string>& args);
// What --help prints: every option of the command line, one or two lines each.
extern const char* const launchHelp;
// The exit status of a bad command line.
constexpr int badLaunchStatus = 2;
