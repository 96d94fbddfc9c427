#pragma once

#include "launch/FightLaunch.h"

#include <cstdint>
#include <string>

struct FightGround;
struct Game;

// The fight a command line asks for, opened in a game or, headless, played
// out on a world alone by the computer on both sides.

// The level file of a `--level` name: "" for the Jungle (or no name), else
// the custom level listed under that name. When there is none, or it cannot
// be played, `error` says so in one line and "" is returned.
std::string launchLevelPath(const std::string& name, std::string& error);

// Sets `game` straight into the fight of `launch` on `levelPath` with the
// world seeded by `seed`: its fighters, who plays them (for this run: the
// players' own file is not changed), the countdown running.
void openLaunchedFight(Game& game, const FightLaunch& launch, const std::string& levelPath, std::uint64_t seed);

// How a fight played out: the winner (0 P1, 1 P2, 2 both, -1 none within the
// longest time), the seconds of live fight, the world's checksum at the end.
struct FightOutcome {
    int winner = -1;
    double seconds = 0.0;
    std::uint64_t checksum = 0;
};

// Plays the fight of `launch` on `ground` with no game, window, picture or
// sound until its result (or an hour of fight time), both fighters played by
// the computer.
FightOutcome playOut(FightGround& ground, const FightLaunch& launch, const std::string& levelPath, std::uint64_t seed);

// "winner P1|P2|both time <s> checksum <hex>".
std::string outcomeLine(const FightOutcome& outcome);
