#include "fighters/PixelOverlap.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>

#include <algorithm>
#include <cmath>

namespace {

// Global bounds with left, top, width and height cut to integers.
sf::IntRect integerBounds(const sf::Sprite& sprite)
{
    const sf::FloatRect b = sprite.getGlobalBounds();
    return sf::IntRect(static_cast<int>(b.left), static_cast<int>(b.top), static_cast<int>(b.width),
                       static_cast<int>(b.height));
}

// Alpha at texture coordinates (u, v); 0 outside the picture. Pixels on the
// first row and column never count (the coordinates must be above 0).
std::uint8_t alphaAt(const AlphaMask& mask, const sf::Vector2f& local)
{
    if (!(local.x > 0.f && local.y > 0.f && local.x < static_cast<float>(mask.width) &&
          local.y < static_cast<float>(mask.height)))
        return 0;
    const std::size_t at = static_cast<std::size_t>(local.y) * mask.width + static_cast<std::size_t>(local.x);
    return at < mask.alpha.size() ? mask.alpha[at] : 0;
}

// The world rectangle outside which a sprite shows no visible pixel, one
// pixel wider on every side against rounding. Frame pictures have wide
// transparent margins, so this spares most of the pixel-by-pixel test.
sf::IntRect visibleReach(const sf::Sprite& sprite, const AlphaMask& mask)
{
    if (mask.opaque.width <= 0 || mask.opaque.height <= 0)
        return sf::IntRect();
    const sf::FloatRect r = sprite.getTransform().transformRect(sf::FloatRect(mask.opaque));
    const int left = static_cast<int>(std::floor(r.left)) - 1;
    const int top = static_cast<int>(std::floor(r.top)) - 1;
    const int right = static_cast<int>(std::ceil(r.left + r.width)) + 1;
    const int bottom = static_cast<int>(std::ceil(r.top + r.height)) + 1;
    return sf::IntRect(left, top, right - left, bottom - top);
}

// Scans the pixels of `common` (narrowed to where both pictures show
// something when `narrow` is set) for one visible in both pictures.
bool masksOverlap(const sf::Sprite& a, const AlphaMask& maskA, const sf::Sprite& b, const AlphaMask& maskB,
                  sf::IntRect common, bool narrow)
{
    sf::IntRect narrowed;
    if (narrow && (!common.intersects(visibleReach(a, maskA), narrowed) ||
                   !narrowed.intersects(visibleReach(b, maskB), common)))
        return false;
    const sf::Transform toA = a.getInverseTransform();
    const sf::Transform toB = b.getInverseTransform();
    for (int x = common.left; x < common.left + common.width; ++x) {
        for (int y = common.top; y < common.top + common.height; ++y) {
            const sf::Vector2f point(static_cast<float>(x), static_cast<float>(y));
            if (alphaAt(maskA, toA.transformPoint(point)) != 0 && alphaAt(maskB, toB.transformPoint(point)) != 0)
                return true;
        }
    }
    return false;
}

const AlphaMask& cachedMask(const sf::Sprite& sprite, PixelMasks& masks)
{
    const sf::Texture* texture = sprite.getTexture();
    auto found = masks.byTexture.find(texture);
    if (found == masks.byTexture.end())
        found = masks.byTexture.emplace(texture, readAlphaMask(sprite)).first;
    return found->second;
}

// Both sprites have a picture and their integer bounds intersect.
bool boundsMeet(const sf::Sprite& a, const sf::Sprite& b, sf::IntRect& common)
{
    return a.getTexture() && b.getTexture() && integerBounds(a).intersects(integerBounds(b), common);
}

}  // namespace

AlphaMask readAlphaMask(const sf::Sprite& sprite)
{
    AlphaMask mask;
    if (!sprite.getTexture())
        return mask;
    const sf::Image image = sprite.getTexture()->copyToImage();
    const std::uint8_t* pixels = image.getPixelsPtr();
    const sf::IntRect rect = sprite.getTextureRect();
    mask.width = static_cast<unsigned>(std::max(0, rect.width));
    mask.height = static_cast<unsigned>(std::max(0, rect.height));
    mask.alpha.assign(pixels ? static_cast<std::size_t>(mask.width) * mask.height : 0, 0);
    // The rectangle may reach past the texture (a frame kept without its clear
    // margins): what lies outside the texture is clear.
    const sf::IntRect inTexture(0, 0, static_cast<int>(image.getSize().x), static_cast<int>(image.getSize().y));
    unsigned left = mask.width, top = mask.height, right = 0, bottom = 0;
    for (std::size_t i = 0; i < mask.alpha.size(); ++i) {
        const unsigned x = static_cast<unsigned>(i % mask.width), y = static_cast<unsigned>(i / mask.width);
        const int u = rect.left + static_cast<int>(x), v = rect.top + static_cast<int>(y);
        if (inTexture.contains(u, v))
            mask.alpha[i] = pixels[(static_cast<std::size_t>(v) * image.getSize().x + static_cast<std::size_t>(u)) * 4 + 3];
        if (mask.alpha[i] == 0)
            continue;
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
    }
    if (right > left && bottom > top)
        mask.opaque = sf::IntRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                                  static_cast<int>(bottom - top));
    return mask;
}

bool pixelOverlap(const sf::Sprite& a, const sf::Sprite& b, PixelMasks& masks)
{
    sf::IntRect common;
    if (!boundsMeet(a, b, common))
        return false;
    return masksOverlap(a, cachedMask(a, masks), b, cachedMask(b, masks), common, true);
}

bool pixelOverlapReadBack(const sf::Sprite& a, const sf::Sprite& b)
{
    sf::IntRect common;
    if (!boundsMeet(a, b, common))
        return false;
    return masksOverlap(a, readAlphaMask(a), b, readAlphaMask(b), common, false);
}
