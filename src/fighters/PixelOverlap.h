#pragma once

#include "fighters/PictureShape.h"

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>
#include <vector>

namespace sf { class Image; }

// The alpha channel of one frame picture, read from its pixels once when the
// character is loaded (no graphics card involved).
struct AlphaMask {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<std::uint8_t> alpha;  // row by row
    sf::IntRect opaque;               // the smallest rectangle holding every visible pixel; empty if none
};

// The alpha channel of a whole picture.
AlphaMask alphaMaskOf(const sf::Image& image);

// A frame as it stands in the world: its picture's shape and alpha, placed
// and scaled as it is drawn.
struct PlacedFrame {
    const PictureShape* shape = nullptr;
    const AlphaMask* mask = nullptr;
    sf::Vector2f position{0.f, 0.f};  // world px of the shape's origin
    sf::Vector2f scale{1.f, 1.f};
};

// Pixel-exact overlap of two frames: some world pixel inside both boxes is
// covered by a non-transparent pixel of each picture. Only the pixels where
// both pictures show something are visited.
bool pixelOverlap(const PlacedFrame& a, const PlacedFrame& b);
// The same test visiting every pixel of the common box (kept to check the
// fast test against, and to measure what it saves).
bool pixelOverlapEveryPixel(const PlacedFrame& a, const PlacedFrame& b);
