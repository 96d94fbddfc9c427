#pragma once

#include <SFML/Graphics/Image.hpp>

#include <string>

// Reads a picture (letter case aside, relative to the working folder); a
// picture that cannot be read fails the test.
sf::Image readPicture(const std::string& path);

// Pixels of the rectangle whose alpha is at least `minAlpha`.
int opaquePixels(const sf::Image& image, int left, int top, int width, int height, int minAlpha = 1);
