#pragma once

#include <SFML/Graphics/Image.hpp>

// The swap marker a Swapper leaves behind ("SummonB" for P1, "SummonR" for
// P2): a floating crystal over a rune stone, 40 x 56. Its picture is also its
// collision box, so the stone's foot is the picture's bottom row.
sf::Image markerPicture(int player);

// The shot, 48 x 16: a bolt of energy flying left with its trail to the
// right (the game mirrors it for shots flying right). Both players' shots
// share it, so it is drawn in a neutral white-gold.
sf::Image shotPicture();
