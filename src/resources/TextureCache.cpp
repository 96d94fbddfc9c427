#include "resources/TextureCache.h"

#include "resources/KeptPart.h"
#include "resources/Loading.h"
#include "resources/Paths.h"

#include <SFML/Graphics/Image.hpp>

#include <sys/stat.h>

#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace {

// How a picture is kept.
enum class Keep { Whole, Background, Frame };

struct FileKey {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modified = 0;  // ns
    bool smooth = false;
    int scaleMillis = 1000;  // drawn scale, in thousandths
    Keep keep = Keep::Whole;

    bool operator<(const FileKey& other) const
    {
        return std::tie(device, inode, size, modified, smooth, scaleMillis, keep) <
               std::tie(other.device, other.inode, other.size, other.modified, other.smooth, other.scaleMillis,
                        other.keep);
    }
};

struct Entry {
    sf::Texture texture;
    sf::Vector2i offset;  // px: where a kept part's corner lies in the whole picture
    sf::Vector2i whole;   // px: the whole picture's size
    unsigned block = 1;   // px: the side of the squares of one colour one texel stands for
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

// Makes the entry's texture from the whole decoded picture.
bool keepImage(Entry& entry, const sf::Image& image, float scale, Keep keep)
{
    if (keep == Keep::Whole)
        return entry.texture.loadFromImage(shrunk(image, scale));
    entry.whole = sf::Vector2i(image.getSize());
    const KeptPart kept = keep == Keep::Background ? backgroundPart(image) : framePart(image);
    entry.offset = kept.offset;
    entry.block = kept.block;
    return entry.texture.loadFromImage(kept.image);
}

bool loadInto(Entry& entry, const std::string& file, float scale, Keep keep)
{
    if (scale >= 1.f && keep == Keep::Whole)
        return entry.texture.loadFromFile(file);
    sf::Image image;
    return image.loadFromFile(file) && keepImage(entry, image, scale, keep);
}

// The picture of `path` as kept, read from its file unless held already or
// given `decoded`.
const Entry* findOrLoad(const std::string& path, bool smooth, float drawnScale, Keep keep,
                        const sf::Image* decoded = nullptr)
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
    key.keep = keep;
    auto& textures = cache().textures;
    const auto known = textures.find(key);
    if (known != textures.end()) {
        noteLoad(path, true);
        return known->second.get();
    }
    auto entry = std::make_unique<Entry>();
    const bool ok = decoded ? keepImage(*entry, *decoded, scale, keep) : loadInto(*entry, file, scale, keep);
    noteLoad(path, ok);
    if (!ok)
        return nullptr;
    entry->texture.setSmooth(smooth);
    return textures.emplace(key, std::move(entry)).first->second.get();
}

}  // namespace

const sf::Texture& sharedTexture(const std::string& path, bool smooth, float drawnScale)
{
    const Entry* entry = findOrLoad(path, smooth, drawnScale, Keep::Whole);
    return entry ? entry->texture : cache().empty;
}

namespace {

KeptPicture keptPicture(const std::string& path, Keep keep)
{
    KeptPicture picture;
    const Entry* entry = findOrLoad(path, false, 1.f, keep);
    picture.texture = entry ? &entry->texture : &cache().empty;
    if (entry) {
        picture.offset = entry->offset;
        picture.whole = entry->whole;
        picture.block = entry->block;
    }
    return picture;
}

}  // namespace

KeptPicture sharedBackground(const std::string& path)
{
    return keptPicture(path, Keep::Background);
}

KeptPicture sharedFrame(const std::string& path)
{
    return keptPicture(path, Keep::Frame);
}

void keepDecodedFrame(const std::string& path, const sf::Image& decoded)
{
    findOrLoad(path, false, 1.f, Keep::Frame, &decoded);
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
