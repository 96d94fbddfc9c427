#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>

// What of a decoded picture becomes its texture. The texture cache keeps
// large pictures smaller than their files, always so that they draw the same
// pixels: scaled down where they are only drawn scaled down, without clear
// margins, and pixel art at one texel a pixel of the art.
struct KeptPart {
    sf::Image image;   // the texture's pixels
    sf::Vector2i offset;  // px: where the kept corner lies in the whole picture
    unsigned block = 1;   // px: the side of the squares of one colour one texel stands for
};

// The picture shrunk to `scale` of its size, each new pixel the mean of the
// old ones it covers (colours weighted by their opacity, so that edges keep
// their colour).
sf::Image shrunk(const sf::Image& image, float scale);

// A background: what is not clear of it and, when its pixels come in squares
// of one colour (art drawn at 2 or 4 px a pixel), one texel a square.
KeptPart backgroundPart(const sf::Image& image);

// A fighter's frame: what is not clear of it and one clear texel around that
// (unless at the picture's edge), so that sampling past the kept part sees
// clear pixels as the whole picture has there.
KeptPart framePart(const sf::Image& image);
