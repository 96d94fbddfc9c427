#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstdint>
#include <unordered_map>
#include <vector>

// The alpha channel of one frame image as its sprite shows it, read back from
// the graphics card once.
struct AlphaMask {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<std::uint8_t> alpha;  // row by row
    sf::IntRect opaque;               // the smallest rectangle holding every visible pixel; empty if none
};

// Alpha masks of the frame textures met so far. Frame textures are loaded
// once at start-up and never released or changed, and every sprite of one
// shows it through the same rectangle, so a mask read once stays true for the
// whole run; the cache lives in the Game with the textures.
struct PixelMasks {
    std::unordered_map<const sf::Texture*, AlphaMask> byTexture;
};

// Copies the alpha channel of what a sprite's texture rectangle shows to memory.
AlphaMask readAlphaMask(const sf::Sprite& sprite);

// Pixel-exact overlap of two sprites: some world pixel inside both bounds is
// covered by a non-transparent pixel of each picture. Each sprite's texture
// is read back once and kept in `masks`, and only the pixels where both
// pictures show something are visited.
bool pixelOverlap(const sf::Sprite& a, const sf::Sprite& b, PixelMasks& masks);
// The same test reading both textures back on every call and visiting every
// pixel of the common bounds (kept to check the fast test against, and to
// measure what it saves).
bool pixelOverlapReadBack(const sf::Sprite& a, const sf::Sprite& b);
