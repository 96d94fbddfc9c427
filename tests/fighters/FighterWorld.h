#pragma once

#include "app/Input.h"
#include "level/TileMap.h"
#include "world/FightSetting.h"
#include "world/FightWorld.h"

// A tiny fight for fighter tests on the world alone: every character slot
// shows its placeholder box (as in a folder without pictures), one 60-column
// section whose codes the test sets, the fight running, both fighters
// vulnerable and in keyboard mode. The keys and pads held in `input` reach
// the fighters through their bindings, as the game's input source does;
// frames are stepped with fixed frame times.
constexpr bool withFloor = true;
struct FighterWorld {
    TileMap tileMap;
    FightSetting setting;
    FightWorld world;
    InputState input;

    // With `floor`, ground along row 15 and P2 standing on it far right, out of the way.
    explicit FighterWorld(bool floor = false);
    FighterWorld(const FighterWorld&) = delete;
    FighterWorld& operator=(const FighterWorld&) = delete;

    Player& p1() { return world.players[0]; }
    Player& p2() { return world.players[1]; }

    // Sets one cell of the section and rebuilds its collision.
    void setTile(int column, int row, int code);
    // Ground along a whole row.
    void floorRow(int row);
    // Puts a fighter standing on the row `row` tiles (its feet on their top).
    void standOn(Player& player, float x, int row);
    // Runs the players' tick for `frames` frames of `dt` seconds.
    void step(int frames = 1, float dt = 1.f / 60.f);
    // Holds or releases a key.
    void key(sf::Keyboard::Key key, bool down) { input.keys[key] = down; }
};
