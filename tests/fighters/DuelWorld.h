#pragma once

#include "level/TileMap.h"
#include "world/FightSetting.h"
#include "world/FightWorld.h"

#include <string>
#include <vector>

// The floor row of the tiny world and the y of its top.
constexpr int floorRow = 15;
constexpr float floorTop = floorRow * 64.f;

// Stands a fighter on that floor at world x, facing `facing`, its frame shown there.
void standOnFloor(Player& p, float x, int facing);

// A tiny fight on the world alone, for the combat, skill, death, hazard and
// camera tests: one section of 60 columns with a floor on row 15, the real
// fighters (the Jungle ground's character slots), two of chosen kinds
// standing on the floor, the fight live and the curtain settled. No window,
// no game. Frames run the fight's order (shots, camera, players) with the
// buttons in `inputs`; the sounds they ask for are kept in `heard`.
struct DuelWorld {
    TileMap tileMap;
    FightSetting setting;  // the Jungle ground's, on the tiny section
    FightWorld world;
    FightInput inputs[2];
    std::vector<std::string> heard;

    explicit DuelWorld(int kindP1 = 1, int kindP2 = 1);
    DuelWorld(const DuelWorld&) = delete;
    DuelWorld& operator=(const DuelWorld&) = delete;

    Player& p1() { return world.players[0]; }
    Player& p2() { return world.players[1]; }

    // Gives player `index` fighter kind `kind` (0 Napollo .. 3 Swapper).
    void setKind(int index, int kind);
    // Sets the code of a cell of section 0 and rebuilds the collision.
    void setCell(int column, int row, int code);
    // Stands a fighter on the floor at world x, facing `facing`.
    void stand(Player& p, float x, int facing);
    // Shows frame `frame` at the fighter's position (as the animation would).
    void showFrame(Player& p, int frame);
    // Runs `count` fight frames of `dt` seconds.
    void frames(int count, float dt = 1.f / 60.f);
    // Whether a frame since the last `heard.clear()` (or a rule called since the
    // last frame) asked for the sound `key`.
    bool cued(const std::string& key) const;
};
