#pragma once

#include "fighters/Character.h"
#include "level/TileMap.h"
#include "world/FightSetting.h"

#include <cstdint>
#include <string>

struct FightWorld;

// What a fight reads and never changes, loaded from the run folder without a
// window, a display or a game: the level, the eight character slots with
// their frames' alpha, and the sizes of the pictures the rules measure.
// `setting` points into it, so it stays where it was loaded (no copy, no move).
struct FightGround {
    TileMap tileMap;
    Character characters[characterSlotCount];
    FightSetting setting;

    FightGround() = default;
    FightGround(const FightGround&) = delete;
    FightGround& operator=(const FightGround&) = delete;
};

// Loads the Jungle level, the characters and the pictures' sizes into `ground`.
void loadFightGround(FightGround& ground);
// Both flags off the level, until a classic fight puts them at their bases.
void startFlags(FightWorld& world);
// A world's fighters and flags as the game starts them, before any fight.
void startWorld(FightWorld& world, const FightSetting& setting, Character* slots);

// What a fight is: the mode, a classic level file ("" for the Jungle), each
// fighter's kind (0 Napollo .. 3 Swapper; the kill race starts both as
// Atoola) and the seed of the world's generator.
struct FightChoice {
    bool caa = false;
    std::string level;
    int kinds[2] = {1, 1};
    std::uint64_t seed = 1;
    HeldLevel heldLevel;  // the custom level's files from memory (an online match's); empty: from disk
};

// Sets `world` up for the fight of `choice` on `ground` as the map room's
// door does (level, goal, fighters, countdown), the curtain already settled;
// then `stepFight` plays it.
void setUpFight(FightWorld& world, FightGround& ground, const FightChoice& choice);
// The same on a setting and character slots held elsewhere (the game's own).
void setUpFight(FightWorld& world, const FightSetting& setting, Character* slots, const FightChoice& choice);
