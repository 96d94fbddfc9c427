#pragma once

#include "opponent/OpponentView.h"

#include <SFML/Graphics/Rect.hpp>

struct FightWorld;
struct TileMap;

// What of a fight lies outside its world but is plain to see: the level (its
// codes and the live section) and the goal. Read only.
struct FightScenery {
    const TileMap* level = nullptr;
    sf::FloatRect goal;       // the goal's picture, world px
    bool onScreen = true;     // the fight is being played (not yet the result)
};

// One step of a fight as a player sees it, field by field.
OpponentView viewOfFight(const FightWorld& world, const FightScenery& scenery);
