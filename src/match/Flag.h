#pragma once

#include "match/Entity.h"

#include <SFML/Graphics/Rect.hpp>

struct FightWorld;
struct Player;

// One of the two flags of the classic mode: flags[0] belongs to P1 and waits
// in the last section, flags[1] belongs to P2 and waits in section 0. Its
// position is its picture's centre; the size is the Entity default 60 x 99.
struct Flag : Entity {
    bool placed = false;      // put on the ground since the last reset
    bool carried = false;     // follows its player
    bool searchLeft = false;  // floor search direction after the first placement
    int section = 0;          // the section it lies in
    // Where its picture was put at the start of its last step: the flag is
    // seen, taken and captured there, one step behind a flag on the move.
    sf::Vector2f shownAt{0.f, 0.f};  // px
};

// Where a carried flag rides: this far above its carrier's centre.
constexpr float carryHeight = 100.f;  // px

// Puts a flag at its base: in `section` at (x, 0), not placed, not carried.
void putAtBase(Flag& flag, int section, float x);
// Drops the flag onto the nearest floor of the live section.
void placeFlag(FightWorld& world, Flag& flag);
// One flag's fight step: the fall onto the ground of its live section, then
// the carrier following.
void updateFlag(FightWorld& world, int flagIndex);
// A carried flag rides above its player.
void followCarrier(FightWorld& world, int flagIndex);

// The flags' update and carrier following, each fight frame.
void updateFlags(FightWorld& world);
// The box of flag `flagIndex`'s picture where it is shown.
sf::FloatRect flagBox(const FightWorld& world, int flagIndex);
// Whether flag `flagIndex` touches the goal.
bool flagTouchesGoal(const FightWorld& world, int flagIndex);
// The player takes its own flag when it reaches it with the right of way.
void tryPickUp(Player& player);
// A fallen player drops the flag it carries; the flag falls where it is.
void dropIfDown(Player& player);
