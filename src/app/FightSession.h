#pragma once

#include "launch/FightLaunch.h"
#include "world/FightInput.h"

#include <cstdint>
#include <string>

struct Game;

// A fight driven from outside the devices: a replay, a computer opponent, a
// network peer or a test sets it up, feeds both players' buttons one fixed
// step at a time and reads the world's checksum and winner.

struct FightPlan {
    FightMode mode = FightMode::Classic;
    std::string level;          // a classic level file; empty: the Jungle
    int kinds[2] = {1, 1};      // fighter kinds (0 Napollo .. 3 Swapper); the kill race starts both as Atoola
    std::uint64_t seed = 1;     // the world's generator
    bool recorded = false;      // recorded as a played match (tests); a replay's own fight is not
};


// Sets up the fight of `plan` in `game` as the map room's door does (level,
// goal, fighters, countdown), the curtain already settled, and hands the
// players' buttons to `stepFight`. Only a `recorded` plan is recorded.
void startFight(Game& game, const FightPlan& plan);

// One fixed step (1/300 s) of the fight with both players' buttons.
void stepFight(Game& game, const FightInput inputs[2]);

// The winner (0 P1, 1 P2) once the match is decided, otherwise -1.
int fightWinner(const Game& game);
