#pragma once

#include <SFML/Graphics/Text.hpp>

namespace sf { class RenderTarget; }
struct Game;
struct Player;

// The in-fight display; it also owns the countdown, the match timer and the
// sudden-death clock.
struct Hud {
    float countdown = 4.f;     // s, runs from 4 down to 0 before a fight
    float matchTimer = 300.f;  // s of match time left
    float suddenDeathTime = 0.f;  // s since sudden death began
    float timerBlinkPhase = 0.f;  // advanced while the time is out
    sf::Text centreText;  // countdown digits, "FIGHT !" or "SUDDEN DEATH"
    sf::Text timerText;   // "m : ss" at the top of the screen
    int shownSeconds = -1;    // whole seconds `timerText` shows (-1: not yet set)
    int shownCountdown = -1;  // 3, 2, 1 or 0 ("FIGHT !") in `centreText` (-1: other text)
};

void hudUpdate(Game& game);
// The fixed HUD into the HUD layer in screen view.
void hudDraw(Game& game, sf::RenderTarget& hudLayer);
// The per-player mark in camera view.
void drawDirectionArrow(Game& game, const Player& player, sf::RenderTarget& hudLayer);
