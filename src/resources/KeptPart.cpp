#include "resources/KeptPart.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

const int largestBlock = 4;  // px: the largest square of one colour pixel art is searched for

// The smallest rectangle holding every pixel that is not fully clear (the
// whole picture when none is).
sf::IntRect visiblePart(const sf::Image& image)
{
    const sf::Vector2u size = image.getSize();
    const sf::Uint8* pixels = image.getPixelsPtr();
    unsigned left = size.x, top = size.y, right = 0, bottom = 0;
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x)
            if (pixels[4 * (std::size_t(y) * size.x + x) + 3] != 0) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
    if (right <= left || bottom <= top)
        return sf::IntRect(0, 0, int(size.x), int(size.y));
    return sf::IntRect(int(left), int(top), int(right - left), int(bottom - top));
}

// `part` widened to the grid of `block` x `block` squares of the whole picture.
sf::IntRect onGrid(const sf::IntRect& part, int block)
{
    const int left = part.left / block * block, top = part.top / block * block;
    const int right = (part.left + part.width + block - 1) / block * block;
    const int bottom = (part.top + part.height + block - 1) / block * block;
    return sf::IntRect(left, top, right - left, bottom - top);
}

// Whether every `block` x `block` square of `part` (on the picture's grid) is
// of one colour. Rows are compared whole with the first row of their square.
bool comesInBlocks(const sf::Image& image, const sf::IntRect& part, int block)
{
    const sf::Vector2u size = image.getSize();
    if (size.x % unsigned(block) != 0 || size.y % unsigned(block) != 0)
        return false;
    const std::uint32_t* pixels = reinterpret_cast<const std::uint32_t*>(image.getPixelsPtr());
    const auto row = [&](int y) { return pixels + std::size_t(y) * size.x + std::size_t(part.left); };
    const std::size_t rowBytes = std::size_t(part.width) * 4;
    for (int y = part.top; y < part.top + part.height; ++y) {
        if (y % block != 0) {
            if (std::memcmp(row(y), row(y - y % block), rowBytes) != 0)
                return false;
            continue;
        }
        const std::uint32_t* line = row(y);
        for (int x = 0; x < part.width; ++x)
            if (x % block != 0 && line[x] != line[x - x % block])
                return false;
    }
    return true;
}

// One pixel of every square of `part`.
sf::Image oneTexelABlock(const sf::Image& image, const sf::IntRect& part, int block)
{
    sf::Image small;
    small.create(unsigned(part.width / block), unsigned(part.height / block));
    for (unsigned y = 0; y < small.getSize().y; ++y)
        for (unsigned x = 0; x < small.getSize().x; ++x)
            small.setPixel(x, y, image.getPixel(unsigned(part.left) + x * unsigned(block),
                                                unsigned(part.top) + y * unsigned(block)));
    return small;
}

sf::Image copied(const sf::Image& image, const sf::IntRect& part)
{
    sf::Image piece;
    piece.create(unsigned(part.width), unsigned(part.height));
    piece.copy(image, 0, 0, part);
    return piece;
}

}  // namespace

sf::Image shrunk(const sf::Image& image, float scale)
{
    const sf::Vector2u size = image.getSize();
    const unsigned width = std::max(1u, static_cast<unsigned>(std::lround(float(size.x) * scale)));
    const unsigned height = std::max(1u, static_cast<unsigned>(std::lround(float(size.y) * scale)));
    sf::Image small;
    small.create(width, height, sf::Color::Transparent);
    const sf::Uint8* pixels = image.getPixelsPtr();
    for (unsigned y = 0; y < height; ++y) {
        const unsigned top = y * size.y / height, bottom = std::max(top + 1, (y + 1) * size.y / height);
        for (unsigned x = 0; x < width; ++x) {
            const unsigned left = x * size.x / width, right = std::max(left + 1, (x + 1) * size.x / width);
            double sum[4] = {0, 0, 0, 0};
            for (unsigned sy = top; sy < bottom; ++sy)
                for (unsigned sx = left; sx < right; ++sx) {
                    const sf::Uint8* p = pixels + 4 * (std::size_t(sy) * size.x + sx);
                    const double alpha = p[3];
                    for (int c = 0; c < 3; ++c)
                        sum[c] += p[c] * alpha;
                    sum[3] += alpha;
                }
            const double count = double(right - left) * double(bottom - top);
            if (sum[3] <= 0.0)
                continue;
            small.setPixel(x, y, sf::Color(sf::Uint8(std::lround(sum[0] / sum[3])), sf::Uint8(std::lround(sum[1] / sum[3])),
                                           sf::Uint8(std::lround(sum[2] / sum[3])),
                                           sf::Uint8(std::lround(sum[3] / count))));
        }
    }
    return small;
}

KeptPart backgroundPart(const sf::Image& image)
{
    KeptPart kept;
    const sf::IntRect visible = visiblePart(image);
    for (int block = largestBlock; block > 1; block /= 2) {
        const sf::IntRect part = onGrid(visible, block);
        if (!comesInBlocks(image, part, block))
            continue;
        kept.image = oneTexelABlock(image, part, block);
        kept.offset = sf::Vector2i(part.left, part.top);
        kept.block = unsigned(block);
        return kept;
    }
    kept.image = copied(image, visible);
    kept.offset = sf::Vector2i(visible.left, visible.top);
    return kept;
}

KeptPart framePart(const sf::Image& image)
{
    const sf::IntRect visible = visiblePart(image);
    const sf::Vector2i size(image.getSize());
    const int left = std::max(0, visible.left - 1), top = std::max(0, visible.top - 1);
    const int right = std::min(size.x, visible.left + visible.width + 1);
    const int bottom = std::min(size.y, visible.top + visible.height + 1);
    KeptPart kept;
    kept.image = copied(image, sf::IntRect(left, top, right - left, bottom - top));
    kept.offset = sf::Vector2i(left, top);
    return kept;
}
