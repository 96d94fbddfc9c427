#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

sf::Image blankImage(unsigned width, unsigned height, sf::Color fill)
{
    sf::Image image;
    image.create(width, height, fill);
    return image;
}

void plot(sf::Image& image, int x, int y, sf::Color color)
{
    const sf::Vector2u size = image.getSize();
    if (x < 0 || y < 0 || x >= static_cast<int>(size.x) || y >= static_cast<int>(size.y) || color.a == 0)
        return;
    if (color.a == 255) {
        image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), color);
        return;
    }
    const sf::Color under = image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
    const int a = color.a;
    const int outA = a + under.a * (255 - a) / 255;
    if (outA == 0)
        return;
    // outA is rounded down, so the weighted sum can exceed 255 by one: clamp
    // it, or a bright channel wraps round to black.
    auto channel = [&](int top, int bottom) {
        return static_cast<sf::Uint8>(std::min(255, (top * a + bottom * under.a * (255 - a) / 255) / outA));
    };
    image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                   sf::Color(channel(color.r, under.r), channel(color.g, under.g), channel(color.b, under.b),
                             static_cast<sf::Uint8>(outA)));
}

void fillRect(sf::Image& image, int x, int y, int width, int height, sf::Color color)
{
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            plot(image, i, j, color);
}

void strokeRect(sf::Image& image, int x, int y, int width, int height, int thickness, sf::Color color)
{
    fillRect(image, x, y, width, thickness, color);
    fillRect(image, x, y + height - thickness, width, thickness, color);
    fillRect(image, x, y + thickness, thickness, height - 2 * thickness, color);
    fillRect(image, x + width - thickness, y + thickness, thickness, height - 2 * thickness, color);
}

void fillEllipse(sf::Image& image, int x, int y, int width, int height, sf::Color color)
{
    if (width <= 0 || height <= 0)
        return;
    const double rx = width / 2.0, ry = height / 2.0;
    const double cx = x + rx, cy = y + ry;
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i) {
            const double dx = (i + 0.5 - cx) / rx, dy = (j + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0)
                plot(image, i, j, color);
        }
}

void drawLine(sf::Image& image, int x0, int y0, int x1, int y1, int thickness, sf::Color color)
{
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    const int half = thickness / 2;
    for (;;) {
        fillRect(image, x0 - half, y0 - half, thickness, thickness, color);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void fillGradient(sf::Image& image, int x, int y, int width, int height, sf::Color top, sf::Color bottom)
{
    for (int j = 0; j < height; ++j) {
        const float t = height > 1 ? static_cast<float>(j) / static_cast<float>(height - 1) : 0.f;
        fillRect(image, x, y + j, width, 1, mix(top, bottom, t));
    }
}

void outlineOpaque(sf::Image& image, sf::Color color)
{
    const sf::Image source = image;
    const sf::Vector2u size = source.getSize();
    auto opaque = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < static_cast<int>(size.x) && j < static_cast<int>(size.y) &&
               source.getPixel(static_cast<unsigned>(i), static_cast<unsigned>(j)).a > 127;
    };
    for (int j = 0; j < static_cast<int>(size.y); ++j)
        for (int i = 0; i < static_cast<int>(size.x); ++i)
            if (source.getPixel(static_cast<unsigned>(i), static_cast<unsigned>(j)).a == 0 &&
                (opaque(i - 1, j) || opaque(i + 1, j) || opaque(i, j - 1) || opaque(i, j + 1)))
                image.setPixel(static_cast<unsigned>(i), static_cast<unsigned>(j), color);
}

void blit(sf::Image& target, const sf::Image& source, int x, int y, bool flipX)
{
    const sf::Vector2u size = source.getSize();
    for (unsigned j = 0; j < size.y; ++j)
        for (unsigned i = 0; i < size.x; ++i) {
            const unsigned sourceX = flipX ? size.x - 1 - i : i;
            plot(target, x + static_cast<int>(i), y + static_cast<int>(j), source.getPixel(sourceX, j));
        }
}

float hashNoise(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA77u ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFFu) / 16777216.f;
}

sf::Color shade(sf::Color color, float factor)
{
    auto scale = [factor](sf::Uint8 value) {
        return static_cast<sf::Uint8>(std::clamp(static_cast<int>(std::lround(value * factor)), 0, 255));
    };
    return sf::Color(scale(color.r), scale(color.g), scale(color.b), color.a);
}

sf::Color mix(sf::Color a, sf::Color b, float t)
{
    auto lerp = [t](sf::Uint8 from, sf::Uint8 to) {
        return static_cast<sf::Uint8>(std::clamp(static_cast<int>(std::lround(from + (to - from) * t)), 0, 255));
    };
    return sf::Color(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b), lerp(a.a, b.a));
}
