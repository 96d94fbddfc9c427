#include "resources/TextureCache.h"

#include "resources/Loading.h"
#include "resources/Paths.h"

#include <SFML/Graphics/Image.hpp>

#include <sys/stat.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <tuple>

namespace {

const int largestBlock = 4;  // px: the largest square of one colour a background is searched for

struct FileKey {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modified = 0;  // ns
    bool smooth = false;
    int scaleMillis = 1000;  // drawn scale, in thousandths
    bool background = false;  // trimmed, one texel a block

    bool operator<(const FileKey& other) const
    {
        return std::tie(device, inode, size, modified, smooth, scaleMillis, background) <
               std::tie(other.device, other.inode, other.size, other.modified, other.smooth, other.scaleMillis,
                        other.background);
    }
};

struct Entry {
    sf::Texture texture;
    sf::Vector2f offset;  // px: where a background's kept corner lies in the whole picture
    unsigned block = 1;   // px: the side of the square blocks a background's pixels come in
};

struct Cache {
    std::map<FileKey, std::unique_ptr<Entry>> textures;
    sf::Texture empty;  // what a picture that cannot be read shows
};

Cache& cache()
{
    static Cache held;
    return held;
}

// A picture shrunk to `scale` of its size, each new pixel the mean of the
// old ones it covers (colours weighted by their opacity, so that edges keep
// their colour).
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

// A background keeps what is not clear of it and, where its pixels come in
// squares, one texel a square.
bool loadBackground(Entry& entry, const sf::Image& image)
{
    const sf::IntRect visible = visiblePart(image);
    for (int block = largestBlock; block > 1; block /= 2) {
        const sf::IntRect part = onGrid(visible, block);
        if (!comesInBlocks(image, part, block))
            continue;
        entry.block = unsigned(block);
        entry.offset = sf::Vector2f(static_cast<float>(part.left), static_cast<float>(part.top));
        return entry.texture.loadFromImage(oneTexelABlock(image, part, block));
    }
    entry.offset = sf::Vector2f(static_cast<float>(visible.left), static_cast<float>(visible.top));
    return entry.texture.loadFromImage(image, visible);
}

bool loadInto(Entry& entry, const std::string& file, float scale, bool background)
{
    if (scale >= 1.f && !background)
        return entry.texture.loadFromFile(file);
    sf::Image image;
    if (!image.loadFromFile(file))
        return false;
    if (!background)
        return entry.texture.loadFromImage(shrunk(image, scale));
    return loadBackground(entry, image);
}

const Entry* findOrLoad(const std::string& path, bool smooth, float drawnScale, bool background)
{
    const std::string file = resolvePath(path);
    const float scale = drawnScale > 0.f && drawnScale < 1.f ? drawnScale : 1.f;
    struct stat status {};
    if (stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        noteLoad(path, false);
        return nullptr;
    }
    FileKey key;
    key.device = status.st_dev;
    key.inode = status.st_ino;
    key.size = status.st_size;
    key.modified = static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec;
    key.smooth = smooth;
    key.scaleMillis = static_cast<int>(std::lround(scale * 1000.f));
    key.background = background;
    auto& textures = cache().textures;
    const auto known = textures.find(key);
    if (known != textures.end()) {
        noteLoad(path, true);
        return known->second.get();
    }
    auto entry = std::make_unique<Entry>();
    const bool ok = loadInto(*entry, file, scale, background);
    noteLoad(path, ok);
    if (!ok)
        return nullptr;
    entry->texture.setSmooth(smooth);
    return textures.emplace(key, std::move(entry)).first->second.get();
}

}  // namespace

const sf::Texture& sharedTexture(const std::string& path, bool smooth, float drawnScale)
{
    const Entry* entry = findOrLoad(path, smooth, drawnScale, false);
    return entry ? entry->texture : cache().empty;
}

BackgroundPicture sharedBackground(const std::string& path)
{
    BackgroundPicture picture;
    const Entry* entry = findOrLoad(path, false, 1.f, true);
    picture.texture = entry ? &entry->texture : &cache().empty;
    if (entry) {
        picture.offset = entry->offset;
        picture.block = entry->block;
    }
    return picture;
}

std::size_t sharedTextureCount()
{
    return cache().textures.size();
}

std::size_t sharedTextureBytes()
{
    std::size_t bytes = 0;
    for (const auto& entry : cache().textures)
        bytes += std::size_t(entry.second->texture.getSize().x) * entry.second->texture.getSize().y * 4;
    return bytes;
}

void releaseSharedTextures()
{
    cache().textures.clear();
}
