#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

#include <string>

// A 5 x 7 pixel font (upper-case letters, digits and a little punctuation) for
// the words painted into pictures: door signs, logos, credits, key hints.
// Each font pixel becomes a `scale` x `scale` block; glyphs advance 6 cells.

int pixelTextWidth(const std::string& text, int scale);
constexpr int pixelTextHeight(int scale) { return 7 * scale; }

// Draws `text` with its top-left corner at (x, y). Lower-case letters are
// drawn as capitals; characters without a glyph leave a space.
void drawPixelText(sf::Image& image, const std::string& text, int x, int y, int scale, sf::Color color);

// The same, centred on (centreX, centreY), with an optional 1-cell shadow.
void drawPixelTextCentred(sf::Image& image, const std::string& text, int centreX, int centreY, int scale,
                          sf::Color color, sf::Color shadow = sf::Color::Transparent);
