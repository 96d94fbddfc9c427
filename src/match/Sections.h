#pragma once

#include "match/Flag.h"
#include "match/Goal.h"

struct FightWorld;
struct Player;

// Who holds the right of way and whether its flag is carried.
enum ChaseSituation : int {
    P1Attacking = 0,
    P1CarryingFlag = 1,
    P2Attacking = 2,
    P2CarryingFlag = 3,
    NoAttacker = 4,
};

// Right of way, section changes and the flags of the classic mode.
void updateChaseSituation(FightWorld& world);
// A player that went down loses the right of way; the other one, standing,
// takes it (unless both are down). Run by the camera's follow step.
void rightOfWay(FightWorld& world);

// The fight's screen and section edges for one player.
void sectionEdges(Player& player);
// The advancing `crosser` enters section `newIndex`: the section becomes
// live, the camera pans and the other player is brought along.
void changeSection(FightWorld& world, Player& crosser, int newIndex);
// Makes `section` the live one: its collision and hazards are rebuilt.
void makeLive(FightWorld& world, int section);
// The middle section of the loaded level.
int middleSection(const FightWorld& world);
