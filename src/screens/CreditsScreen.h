#pragma once

#include <SFML/Graphics/Sprite.hpp>

struct Game;

// The credits picture, over whatever the background layer last held.
struct CreditsScreen {
    Game* game = nullptr;
    sf::Sprite picture;
};

void initCredits(CreditsScreen& credits, Game& game);
void drawCredits(CreditsScreen& credits);
