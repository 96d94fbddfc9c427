#pragma once

#include "opponent/Opponent.h"
#include "opponent/SelfMotion.h"

// Views of a fight on the real Jungle level, made by hand: the level is read
// with the game's own reader, with no window and no Game.

// The Jungle level's codes, read once.
const TileMap& jungle();

// A live classic view of section `section`, both fighters standing on the
// ground of columns `p1Column` and `p2Column`, nobody with the right of way.
OpponentView jungleView(int section, int p1Column, int p2Column);
// Stands fighter `player` on the ground of `column`, facing `facing`.
void standOn(OpponentView& view, int player, int column, int facing = 1);

// A small stand-in for the fight for one opponent-played fighter: its body
// moves by the buttons with the fighters' movement rules; all else in the
// view stays as it was made.
struct SoloRun {
    OpponentView view;
    Opponent opponent;
    SelfMotion body;        // the played fighter's body
    int still = 0;
    int longestStill = 0;   // steps in a row with no move or jump pressed
    bool died = false;
    int steps = 0;
};
SoloRun soloRun(const OpponentView& start, Strength strength, int player, std::uint64_t seed);
// Runs `steps` steps or until `done(run)`.
template <class Done>
void runSolo(SoloRun& run, int steps, Done done);
void stepSolo(SoloRun& run);

template <class Done>
void runSolo(SoloRun& run, int steps, Done done)
{
    for (int i = 0; i < steps && !run.died && !done(run); ++i)
        stepSolo(run);
}
