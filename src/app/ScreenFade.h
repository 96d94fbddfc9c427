#pragma once

#include "world/GameTime.h"

#include <SFML/Graphics/RectangleShape.hpp>

#include <cstdint>

struct Game;

// The black full-screen curtain every room change goes through. Its alpha
// moves by 5 per frame: 51 frames to black, 51 frames back.
struct ScreenFade {
    bool active = false;
    bool darkening = false;
    bool lightening = false;
    std::uint8_t alpha = 0;
    sf::RectangleShape curtain;
    GameClock clock;
    float settleTime = 0.5f;  // s: how long after a fade the fight waits before it proceeds
    Game* game = nullptr;
};

void initScreenFade(ScreenFade& fade, Game& game);
void startFade(ScreenFade& fade);
void startReveal(ScreenFade& fade);
void stepFade(ScreenFade& fade);
