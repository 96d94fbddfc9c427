#pragma once

#include "app/Game.h"

#include <memory>

// A tiny fight for fighter tests: a Game built in an empty folder (every
// character slot shows its placeholder box), one 60-column section whose
// codes the test sets, the fight running, both fighters vulnerable and in
// keyboard mode. Frames are stepped with fixed frame times.
struct FighterWorld {
    std::unique_ptr<Game> game;

    FighterWorld();
    Player& p1() { return game->players[0]; }
    Player& p2() { return game->players[1]; }

    // Sets one cell of the live section and rebuilds its collision.
    void setTile(int column, int row, int code);
    // Ground along a whole row.
    void floorRow(int row);
    void rebuild();
    // Puts a fighter standing on the row `row` tiles (its feet on their top).
    void standOn(Player& player, float x, int row);
    // Runs the players' tick for `frames` frames of `dt` seconds.
    void step(int frames = 1, float dt = 1.f / 60.f);
    // Holds or releases a key in the input source.
    void key(sf::Keyboard::Key key, bool down);
};
