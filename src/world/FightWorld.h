#pragma once

#include "world/GameTime.h"
#include "fighters/Player.h"
#include "fighters/Projectile.h"
#include "match/Camera.h"
#include "match/Crate.h"
#include "match/Flag.h"
#include "level/TileMap.h"
#include "world/FightSetting.h"
#include "world/StepEvents.h"
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
    bool fightScene = false;      // the fight's own rules apply (false: the walkable rooms)
};

// The black curtain of a room change, as the rules see it: nothing moves
// while it darkens, and a fight waits until it has settled.
struct Curtain {
    bool active = false;
    bool darkening = false;
    bool settled = true;
};


// Everything the rules of a fight and of the walkable rooms read and write,
// as one value: copy it with `=`, compare it by checksum, store it as bytes.
struct WorldValue {
    const FightSetting* setting = nullptr;  // never copied by value, never checksummed
    float stepTime = 0.f;  // s: the length of the step being taken (1/300 in the stepped scenes)
    GameTime time;  // the world's own clock: stands still under the pause menus
    WorldRandom random;
    MatchState match;
    Player players[2];
    Flag flags[2];
    std::vector<Projectile> shots;  // in the order they were fired
    std::optional<Crate> crate;     // the crate lying in the live section
    Camera camera;
    float sectionWidth = 3840.f;  // px
    int sectionIndex = 0;         // the live section
    sf::Vector2f goal{0.f, 0.f};  // where the goal stands, px
    Curtain curtain;
    StepEvents events;  // cleared before each step by whoever runs it; not part of the checksum
};


// The world value with its fighters and camera pointing back at it: every
// copy points them at itself, so a copied world steps on its own.
struct FightWorld : WorldValue {
    FightWorld() { link(); }
    FightWorld(const FightWorld& other) : WorldValue(other) { link(); }
    FightWorld& operator=(const FightWorld& other)
    {
        WorldValue::operator=(other);
        link();
        return *this;
    }

private:
    void link();
};

// The read-only setting's parts.
inline TileMap& tiles(const FightWorld& world) { return *world.setting->tileMap; }
// The goal's box in world px.
sf::FloatRect goalBounds(const FightWorld& world);
