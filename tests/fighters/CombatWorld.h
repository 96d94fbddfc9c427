#pragma once

#include "fighters/DuelWorld.h"
#include "support/Headless.h"

// Turns `game` into a live fight on one empty 60-column section (a floor
// along `floor` unless it is -1), the curtain settled and both fighters long
// past any protection.
void startTinyFight(Game& game, int floor = -1);
// The fight running on whatever level is loaded: curtain settled, both
// fighters long past any protection.
void startFightNow(Game& game);

// The tiny fight of `DuelWorld` inside a whole game, for the tests of the
// game's frame loop around it (focus, frame rates): one section of 60 columns
// with a floor on row 15, two fighters of chosen kinds standing on it, the
// fight live and the curtain settled. The game's own frames run it.
struct CombatWorld {
    HeadlessGame headless;
    Game& game;

    explicit CombatWorld(int kindP1 = 1, int kindP2 = 1);

    Player& p1() { return game.world.players[0]; }
    Player& p2() { return game.world.players[1]; }
    void stand(Player& p, float x, int facing) { standOnFloor(p, x, facing); }
};
