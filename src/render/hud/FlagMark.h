#pragma once

#include <SFML/System/Vector2.hpp>

struct Game;

// What the HUD needs to know of a flag: where it lies and whether it is carried.
struct FlagMark {
    int section = 0;
    sf::Vector2f position;  // world px
    bool carried = false;
};

FlagMark flagMark(const Game& game, int index);
