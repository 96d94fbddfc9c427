#pragma once

#include "level/TileMap.h"

#include <array>
#include <cstdint>
#include <vector>

// What a player can see of one step of a fight, as one plain record: the
// computer opponent decides from this and from nothing else. It is filled once
// per step from the fight's state and copied into the opponent's memory of the
// last moments, so it holds no owning pointer and no container but the level's
// read-only codes, which never change during a fight.

// What a fighter is visibly doing (its animation state, coarsely).
enum class FighterAction : std::uint8_t {
    Idle,
    Running,
    Jumping,
    Falling,
    Attacking,  // a swing, standing or running
    Parrying,
    Stunned,
    Knocked,    // thrown back by a hit (deflected)
    Dashing,
    Shooting,
    Pounding,
    Dying,
};

constexpr int noItem = -1;  // `FighterView::item` when nothing is held

struct FighterView {
    float x = 0.f, y = 0.f;            // hitbox centre, world px (y downwards)
    float vx = 0.f, vy = 0.f;          // px/s
    float width = 60.f, height = 99.f; // hitbox, px
    // The drawn picture's reach above and below the hitbox centre, px: where
    // two pictures meet, the fighters' bodies stop each other.
    float pictureAbove = 49.5f, pictureBelow = 49.5f;
    int facing = 1;                    // -1 left, +1 right
    int kind = 1;                      // 0 Napollo, 1 Atoola, 2 Gigachill, 3 Swapper
    int hitPoints = 1;
    bool alive = true;                 // not in its death, waiting for a respawn
    bool onGround = false;
    bool airborne = false;             // in the air after a jump or a fall
    bool doubleJumpUsed = false;
    bool inWater = false;              // slowed by water
    bool glowing = false;              // just respawned: cannot be wounded yet
    bool advancing = false;            // holds the right of way
    FighterAction action = FighterAction::Idle;
    float actionTime = 0.f;            // s in the present action
    float speedFactor = 1.f;           // 0.8 for Gigachill
    float dashCharge = 0.f;            // px walked; Atoola dashes at 1000
    int ammo = 0;                      // Napollo's shots left
    bool shieldReady = false;          // Gigachill can pound
    bool markerPlaced = false;         // Swapper's marker lies in the level
    float markerX = 0.f, markerY = 0.f;
    int item = noItem;                 // ItemKind held, or noItem
};

struct ShotView {
    float x = 0.f, y = 0.f;  // box centre, world px
    int direction = 1;       // -1 left, +1 right
    int owner = 0;           // the player whose target is the other one
    bool stuns = false;      // a stunning shot; otherwise it wounds
};

struct FlagView {
    float x = 0.f, y = 0.f;  // picture centre, world px
    bool carried = false;
    int section = 0;
};

enum class MatchMode : std::uint8_t { Classic, KillRace };
enum class MatchPhase : std::uint8_t { Countdown, Live, Over };

constexpr int maxShotsSeen = 16;  // shots beyond these are not looked at
constexpr int nobody = -1;

struct OpponentView {
    std::array<FighterView, 2> fighters{};
    std::array<ShotView, maxShotsSeen> shots{};
    int shotCount = 0;
    std::array<FlagView, 2> flags{};  // flags[i] belongs to player i
    float goalX = 0.f, goalY = 0.f;   // the middle and the bottom of the goal, world px
    bool crateLying = false;          // a crate waits to be opened by a swing
    float crateX = 0.f, crateY = 0.f; // its centre, world px
    int section = 0;                  // the live section
    int lastSection = 0;
    float sectionLeft = 0.f;          // world x of the live section's left edge
    float sectionWidth = 3840.f;      // px
    float viewLeft = 0.f, viewRight = 1920.f;  // what the camera shows, world px
    int rightOfWay = nobody;          // the advancing player, or nobody
    MatchMode mode = MatchMode::Classic;
    MatchPhase phase = MatchPhase::Countdown;
    const std::vector<Section>* tiles = nullptr;  // the level's codes [section][column][row]
};

// The code of a cell of the live section (columns past its ends read as its
// edge columns), or emptyCode above or below the grid.
int liveCode(const OpponentView& view, int column, int row);
// The live section's column under world x.
int columnAt(const OpponentView& view, float x);
// The middle section, where the goal stands.
inline int middleSectionOf(const OpponentView& view) { return view.lastSection / 2; }
