#pragma once

#include <SFML/Graphics/View.hpp>

struct Game;

// The one world view with smoothing, section clamp, section pan and shake.
struct Camera {
    Game* game = nullptr;
    sf::View view{sf::FloatRect(0.f, 0.f, 1920.f, 1080.f)};
    sf::Vector2f centre{960.f, 604.f};
    bool inTransition = false;  // a section pan is running
    bool shaking = false;
};

// The per-frame step of the hubs and the fight.
void updateCamera(Camera& camera);
void centreOnMiddleSection(Camera& camera);
// Starts a shake of `amplitude` px for `duration` s, unless one is running.
void startShake(Camera& camera, float amplitude, float duration);
