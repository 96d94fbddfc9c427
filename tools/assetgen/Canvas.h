#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

#include <cstdint>

// Small pixel-art drawing kit over sf::Image. Everything is integer and
// deterministic: the same calls give the same bytes on every machine.

sf::Image blankImage(unsigned width, unsigned height, sf::Color fill = sf::Color::Transparent);

// Source-over blend of one pixel; coordinates outside the image are ignored.
void plot(sf::Image& image, int x, int y, sf::Color color);

void fillRect(sf::Image& image, int x, int y, int width, int height, sf::Color color);
void strokeRect(sf::Image& image, int x, int y, int width, int height, int thickness, sf::Color color);
// Filled ellipse inside the box (x, y, width, height).
void fillEllipse(sf::Image& image, int x, int y, int width, int height, sf::Color color);
// A line of square pen `thickness` from (x0, y0) to (x1, y1).
void drawLine(sf::Image& image, int x0, int y0, int x1, int y1, int thickness, sf::Color color);
// Vertical gradient from `top` to `bottom` over the rows of the box.
void fillGradient(sf::Image& image, int x, int y, int width, int height, sf::Color top, sf::Color bottom);

// Draws a one-pixel outline of `color` around every opaque pixel region
// (the classic sprite outline), writing only into transparent pixels.
void outlineOpaque(sf::Image& image, sf::Color color);

// Copies `source` onto `target` at (x, y), blending; `flipX` mirrors it.
void blit(sf::Image& target, const sf::Image& source, int x, int y, bool flipX = false);

// A stable pseudo-random value in [0, 1) from integer coordinates and a seed,
// for texture noise that does not depend on any generator state.
float hashNoise(int x, int y, std::uint32_t seed);

// `color` with each channel scaled by `factor` (alpha kept), clamped.
sf::Color shade(sf::Color color, float factor);
// Linear mix of two colours, t in [0, 1].
sf::Color mix(sf::Color a, sf::Color b, float t);
