#pragma once

#include "world/FightSetUp.h"
#include "world/FightWorld.h"
#include "world/JungleGround.h"

// A fight on the real Jungle level (or, chosen so, the kill race's), set up
// on the world alone as its door sets it up: the countdown still to run, the
// curtain settled, no window, no game. Frames of 1/60 s step the world in its
// fixed steps with the buttons in `inputs`; what the steps ask of the scene
// around them is kept, and a won match stops the steps as the result screen does.
// The test stays in the run folder meanwhile.
struct JungleFight {
    const InRunFolder runFolder;  // the kill race's set-up reads its level there
    FightWorld world;
    FightInput inputs[2];
    bool won = false;
    int victories[2] = {0, 0};  // classic wins the steps declared, by player
    bool musicStopped = false;

    explicit JungleFight(const FightChoice& choice = FightChoice{});

    Player& p1() { return world.players[0]; }
    Player& p2() { return world.players[1]; }

    // Sets the fight up again (a rematch), the kept events forgotten.
    void setUp(const FightChoice& choice = FightChoice{});
    void frames(int count = 1);
    // Runs frames until `done` holds or `seconds` of game time have passed;
    // the game time it took.
    template <typename Done>
    float runUntil(Done done, float seconds)
    {
        float elapsed = 0.f;
        while (!done() && elapsed < seconds) {
            frames(1);
            elapsed += 1.f / 60.f;
        }
        return elapsed;
    }
    // Runs the start countdown out.
    void goLive();
    // Holds a button of player `index` until the live section is `section`
    // (or 3 s passed); whether it got there.
    bool runAcross(int index, FightButton button, int section);
};

// World x of the middle of a Jungle cell.
float cellCentreX(int section, int column);
// Stands a fighter on the top of the tile at (column, row) of section
// `section`, at rest.
void standOnCell(Player& player, int section, int column, int row);
