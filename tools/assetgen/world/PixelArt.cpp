#include "world/PixelArt.h"

#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

sf::Image upscale(const sf::Image& source, int factor)
{
    const sf::Vector2u size = source.getSize();
    const unsigned width = size.x * factor, height = size.y * factor;
    std::vector<sf::Uint8> pixels(static_cast<std::size_t>(width) * height * 4);
    const sf::Uint8* from = source.getPixelsPtr();
    for (unsigned y = 0; y < size.y; ++y) {
        sf::Uint8* row = &pixels[static_cast<std::size_t>(y) * factor * width * 4];
        for (unsigned x = 0; x < size.x; ++x)
            for (int copy = 0; copy < factor; ++copy)
                std::memcpy(row + (static_cast<std::size_t>(x) * factor + copy) * 4, from + (static_cast<std::size_t>(y) * size.x + x) * 4, 4);
        for (int copy = 1; copy < factor; ++copy)  // the block's other rows repeat the first
            std::memcpy(row + static_cast<std::size_t>(copy) * width * 4, row, static_cast<std::size_t>(width) * 4);
    }
    sf::Image result;
    result.create(width, height, pixels.data());
    return result;
}

void speckle(sf::Image& image, int x, int y, int width, int height, sf::Color dark, sf::Color light, float amount,
             std::uint32_t seed)
{
    const sf::Vector2u size = image.getSize();
    for (int j = std::max(y, 0); j < std::min(y + height, static_cast<int>(size.y)); ++j)
        for (int i = std::max(x, 0); i < std::min(x + width, static_cast<int>(size.x)); ++i) {
            if (image.getPixel(static_cast<unsigned>(i), static_cast<unsigned>(j)).a == 0)
                continue;  // grain only on what is already painted
            const float n = hashNoise(i - x, j - y, seed);
            if (n < amount)
                plot(image, i, j, dark);
            else if (n > 1.f - amount * 0.6f)
                plot(image, i, j, light);
        }
}

int ridgeHeight(int x, int period, int amplitude, std::uint32_t seed)
{
    const double twoPi = 6.283185307179586;
    const double t = twoPi * static_cast<double>(x) / static_cast<double>(period);
    const double phase1 = hashNoise(1, 0, seed) * twoPi;
    const double phase2 = hashNoise(2, 0, seed) * twoPi;
    const double phase3 = hashNoise(3, 0, seed) * twoPi;
    const double wave = 0.55 * std::sin(2 * t + phase1) + 0.3 * std::sin(5 * t + phase2) + 0.15 * std::sin(11 * t + phase3);
    return static_cast<int>(std::lround((wave + 1.0) * 0.5 * amplitude));
}

void leafClump(sf::Image& image, int centreX, int centreY, int radius, sf::Color base, std::uint32_t seed)
{
    const sf::Color dark = shade(base, 0.72f);
    const sf::Color light = shade(base, 1.28f);
    fillEllipse(image, centreX - radius, centreY - radius, radius * 2, radius * 2, dark);
    fillEllipse(image, centreX - radius, centreY - radius, radius * 2 - radius / 3, radius * 2 - radius / 3, base);
    fillEllipse(image, centreX - radius + radius / 4, centreY - radius + radius / 5, radius, radius * 2 / 3, light);
    for (int j = -radius; j < radius; ++j)
        for (int i = -radius; i < radius; ++i)
            if (i * i + j * j < radius * radius && hashNoise(centreX + i, centreY + j, seed) < 0.06f)
                plot(image, centreX + i, centreY + j, dark);
}
