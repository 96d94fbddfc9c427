#pragma once

#include "app/Game.h"

#include <memory>

// Turns `game` into a live fight on one empty 60-column section (a floor
// along `floor` unless it is -1), the curtain settled and both fighters long
// past any protection.
void startTinyFight(Game& game, int floor = -1);
// The fight running on whatever level is loaded: curtain settled, both
// fighters long past any protection.
void startFightNow(Game& game);
// Sets one cell of that section and rebuilds its collision.
void setTinyCell(Game& game, int column, int row, int code);

// A tiny fight for fighter tests: a Game built in an empty folder (every
// character slot shows its placeholder box), one 60-column section whose
// codes the test sets, the fight running, both fighters vulnerable and in
// keyboard mode. Frames are stepped with fixed frame times.
constexpr bool withFloor = true;
struct FighterWorld {
    std::unique_ptr<Game> game;

    // With `floor`, ground along row 15 and P2 standing on it far right, out of the way.
    explicit FighterWorld(bool floor = false);
    Player& p1() { return game->world.players[0]; }
    Player& p2() { return game->world.players[1]; }

    void setTile(int column, int row, int code) { setTinyCell(*game, column, row, code); }
    // Ground along a whole row.
    void floorRow(int row);
    // Puts a fighter standing on the row `row` tiles (its feet on their top).
    void standOn(Player& player, float x, int row);
    // Runs the players' tick for `frames` frames of `dt` seconds.
    void step(int frames = 1, float dt = 1.f / 60.f);
    // Holds or releases a key in the input source.
    void key(sf::Keyboard::Key key, bool down);
};
