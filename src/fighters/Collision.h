#pragma once

struct Game;

// The tile-collision helper object; it only holds the game back-pointer.
struct Collision {
    Game* game = nullptr;
};
