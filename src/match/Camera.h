#pragma once

#include <SFML/Graphics/View.hpp>

struct Game;

// The one world view with smoothing, section clamp, section pan and shake.
struct Camera {
    Game* game = nullptr;
    sf::View view;
    sf::Vector2f centre;
};
