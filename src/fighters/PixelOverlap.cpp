#include "fighters/PixelOverlap.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>

#include <algorithm>
#include <cmath>

namespace {

// The world box with left, top, width and height cut to integers.
sf::IntRect integerBounds(const PlacedFrame& frame)
{
    const sf::FloatRect b = placedBox(*frame.shape, frame.position, frame.scale);
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

// The world rectangle outside which a frame shows no visible pixel, one
// pixel wider on every side against rounding. Frame pictures have wide
// transparent margins, so this spares most of the pixel-by-pixel test.
sf::IntRect visibleReach(const PlacedFrame& frame)
{
    const AlphaMask& mask = *frame.mask;
    if (mask.opaque.width <= 0 || mask.opaque.height <= 0)
        return sf::IntRect();
    const sf::FloatRect r =
        placedTransform(*frame.shape, frame.position, frame.scale).transformRect(sf::FloatRect(mask.opaque));
    const int left = static_cast<int>(std::floor(r.left)) - 1;
    const int top = static_cast<int>(std::floor(r.top)) - 1;
    const int right = static_cast<int>(std::ceil(r.left + r.width)) + 1;
    const int bottom = static_cast<int>(std::ceil(r.top + r.height)) + 1;
    return sf::IntRect(left, top, right - left, bottom - top);
}

// Scans the pixels of `common` (narrowed to where both pictures show
// something when `narrow` is set) for one visible in both pictures.
bool masksOverlap(const PlacedFrame& a, const PlacedFrame& b, sf::IntRect common, bool narrow)
{
    sf::IntRect narrowed;
    if (narrow && (!common.intersects(visibleReach(a), narrowed) || !narrowed.intersects(visibleReach(b), common)))
        return false;
    const AlphaMask& maskA = *a.mask;
    const AlphaMask& maskB = *b.mask;
    const sf::Transform toA = placedTransform(*a.shape, a.position, a.scale).getInverse();
    const sf::Transform toB = placedTransform(*b.shape, b.position, b.scale).getInverse();
    for (int x = common.left; x < common.left + common.width; ++x) {
        for (int y = common.top; y < common.top + common.height; ++y) {
            const sf::Vector2f point(static_cast<float>(x), static_cast<float>(y));
            if (alphaAt(maskA, toA.transformPoint(point)) != 0 && alphaAt(maskB, toB.transformPoint(point)) != 0)
                return true;
        }
    }
    return false;
}

// Both frames have a picture and their integer boxes intersect.
bool boxesMeet(const PlacedFrame& a, const PlacedFrame& b, sf::IntRect& common)
{
    return a.shape && a.mask && b.shape && b.mask && integerBounds(a).intersects(integerBounds(b), common);
}

}  // namespace

AlphaMask alphaMaskOf(const sf::Image& image)
{
    AlphaMask mask;
    const std::uint8_t* pixels = image.getPixelsPtr();
    mask.width = pixels ? image.getSize().x : 0;
    mask.height = pixels ? image.getSize().y : 0;
    mask.alpha.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    unsigned left = mask.width, top = mask.height, right = 0, bottom = 0;
    for (std::size_t i = 0; i < mask.alpha.size(); ++i) {
        mask.alpha[i] = pixels[i * 4 + 3];
        if (mask.alpha[i] == 0)
            continue;
        const unsigned x = static_cast<unsigned>(i % mask.width), y = static_cast<unsigned>(i / mask.width);
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

bool pixelOverlap(const PlacedFrame& a, const PlacedFrame& b)
{
    sf::IntRect common;
    return boxesMeet(a, b, common) && masksOverlap(a, b, common, true);
}

bool pixelOverlapEveryPixel(const PlacedFrame& a, const PlacedFrame& b)
{
    sf::IntRect common;
    return boxesMeet(a, b, common) && masksOverlap(a, b, common, false);
}
