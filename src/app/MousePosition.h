#pragma once

#include <SFML/System/Vector2.hpp>

struct Game;

// Mouse positions come in window pixels; every hit test works on the
// 1920 x 1080 logical screen, whatever the window's size. With the window
// closed the logical size stands in for it.
sf::Vector2u windowSizeOf(const Game& game);
sf::Vector2f toLogicalScreen(const Game& game, sf::Vector2i windowPixel);
// The polled mouse position (game.input) on the logical screen.
sf::Vector2f mouseOnScreen(const Game& game);
