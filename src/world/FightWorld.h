#pragma once

#include "world/GameTime.h"
#include "fighters/Player.h"
#include "fighters/Projectile.h"
#include "match/Camera.h"
#include "match/Crate.h"
#include "match/Flag.h"
#include "world/WorldRandom.h"

#include <optional>
#include <vector>

// Where a match stands: countdown, timer, sudden death, kill race, right of way.
struct MatchState {
    bool fightLive = false;
    bool suddenDeath = false;
    bool suddenDeathFalls[2] = {false, false};  // P1, P2 went down during sudden death
    bool caaMode = false;
    bool flagTaken = false;
    bool bothDown = false;
    int chaseSituation = 4;  // ChaseSituation: nobody attacks before a fight
    int p1Kills = 0;
    int p2Kills = 0;
    int caaStage = 0;
    float crateTimer = 0.f;       // s of right of way since the last crate
    float countdown = 4.f;        // s, runs from 4 down to 0 before a fight
    float matchTimer = 300.f;     // s of match time left
    float suddenDeathTime = 0.f;  // s since sudden death began
};

// Everything the rules of a fight and of the walkable rooms read and write,
// as one value: copy it with `=`, compare it by checksum, store it as bytes.
struct FightWorld {
    GameTime time;  // the world's own clock: stands still under the pause menus
    WorldRandom random;
    MatchState match;
    Player players[2];
    Flag flags[2];
    std::vector<Projectile> shots;  // in the order they were fired
    std::optional<Crate> crate;     // the crate lying in the live section
    Camera camera;
    float sectionWidth = 3840.f;  // px
};
