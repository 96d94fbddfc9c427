#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>

namespace sf {
class Font;
class RenderTarget;
}  // namespace sf

// The short lines that tell a player what a screen does: the game's pixel
// font, outlined in black so they read over any picture.

constexpr unsigned smallestReadableSize = 16;  // px, the least a fitted text shrinks to

// A caption of `size` px centred on `centre`.
sf::Text captionText(const sf::Font& font, const std::string& string, unsigned size, sf::Vector2f centre,
                     sf::Color fill = sf::Color::White);
void drawCaption(sf::RenderTarget& target, const sf::Font& font, const std::string& string, unsigned size,
                 sf::Vector2f centre, sf::Color fill = sf::Color::White);

// Makes `text` at most `maxWidth` wide, keeping its centre: first a smaller
// character size (never below `minSize`), then the string cut with "...".
void fitTextWidth(sf::Text& text, float maxWidth, unsigned minSize = smallestReadableSize);
