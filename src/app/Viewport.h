#pragma once

#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>

namespace sf { class RenderWindow; }

// The game always draws a 1920 x 1080 logical screen. In a window of another
// size it is scaled to fit with its aspect kept (black bars on the sides that
// are left over), and mouse positions are mapped back to the logical screen.
sf::View letterboxView(sf::Vector2f logicalSize, sf::Vector2u windowSize);

// A window pixel as a point of the logical screen.
sf::Vector2f windowPixelToLogical(sf::Vector2i pixel, sf::Vector2f logicalSize, sf::Vector2u windowSize);
