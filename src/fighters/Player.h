#pragma once

struct Game;

// One of the two fighters (index 0 = P1, cyan; 1 = P2, red).
struct Player {
    Game* game = nullptr;
    int index = 0;
    bool keyboardMode = false;
    bool advancing = false;
    bool isWinner = false;
};
