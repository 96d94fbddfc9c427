#pragma once

#include <SFML/Graphics/Sprite.hpp>

struct Game;

// The credits picture.
struct CreditsScreen {
    Game* game = nullptr;
    sf::Sprite picture;
};
