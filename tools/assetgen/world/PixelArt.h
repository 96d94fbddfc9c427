#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

#include <cstdint>

// Shared pieces of the world's pixel-art style. Every world picture is drawn
// at half size ("art pixels") and doubled, so one art pixel is 2 x 2 screen
// pixels everywhere: 32 art pixels to a 64-px tile.

constexpr int artPixel = 2;  // screen pixels per art pixel

// Each source pixel becomes a factor x factor block.
sf::Image upscale(const sf::Image& source, int factor);

// The jungle palette, used by tiles, rooms and doors alike.
namespace palette {
const sf::Color outline(28, 22, 20);
const sf::Color grassLight(150, 222, 74);
const sf::Color grass(86, 170, 48);
const sf::Color grassDark(44, 112, 38);
const sf::Color dirtLight(170, 116, 72);
const sf::Color dirt(134, 88, 52);
const sf::Color dirtDark(98, 62, 36);
const sf::Color dirtDeep(70, 44, 28);
const sf::Color stoneLight(178, 182, 168);
const sf::Color stone(136, 140, 130);
const sf::Color stoneDark(90, 94, 88);
const sf::Color sandLight(214, 186, 132);
const sf::Color sand(184, 152, 104);
const sf::Color sandDark(132, 106, 70);
const sf::Color woodLight(198, 140, 80);
const sf::Color wood(160, 106, 58);
const sf::Color woodDark(108, 68, 34);
const sf::Color leafDeep(22, 58, 34);
const sf::Color leaf(36, 92, 46);
const sf::Color vine(64, 138, 52);
const sf::Color p1(64, 220, 236);   // P1's cyan
const sf::Color p2(232, 64, 64);    // P2's red
}  // namespace palette

// Scatters darker and lighter art pixels over the painted pixels of a box:
// the grain of dirt, stone and wood. `seed` keeps each surface's grain its own.
void speckle(sf::Image& image, int x, int y, int width, int height, sf::Color dark, sf::Color light, float amount,
             std::uint32_t seed);

// A soft-edged sum of sines: the height (in art pixels above `base`) of a
// ridge at column x, periodic over `period` columns so that pictures laid
// side by side meet without a seam.
int ridgeHeight(int x, int period, int amplitude, std::uint32_t seed);

// Fills every column x of the box from its ridge line y(x) down to `bottom`.
template <typename Height>
void fillBelow(sf::Image& image, int width, int bottom, sf::Color color, Height heightAt)
{
    for (int x = 0; x < width; ++x)
        for (int y = heightAt(x); y < bottom; ++y)
            if (y >= 0)
                image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), color);
}

// A leafy crown: overlapping round clumps with a lit upper-left and a shaded
// lower-right, as the jungle's trees and bushes are drawn.
void leafClump(sf::Image& image, int centreX, int centreY, int radius, sf::Color base, std::uint32_t seed);
