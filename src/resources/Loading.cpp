#include "resources/Loading.h"

#include "resources/Paths.h"
#include "resources/TextFile.h"
#include "resources/TextureCache.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Shader.hpp>

#include <algorithm>
#include <locale>

LoadReport& loadReport()
{
    static LoadReport report;
    return report;
}

void noteLoad(const std::string& path, bool succeeded)
{
    LoadReport& report = loadReport();
    ++report.attempts;
    if (!succeeded) {
        ++report.failures;
        report.failedPaths.push_back(path);
    }
}

bool loadTextureFile(sf::Texture& texture, const std::string& path)
{
    const bool ok = texture.loadFromFile(resolvePath(path));
    noteLoad(path, ok);
    return ok;
}

bool loadFontFile(sf::Font& font, const std::string& path)
{
    const bool ok = font.loadFromFile(resolvePath(path));
    noteLoad(path, ok);
    return ok;
}

bool loadSoundFile(sf::SoundBuffer& buffer, const std::string& path)
{
    const bool ok = buffer.loadFromFile(resolvePath(path));
    noteLoad(path, ok);
    return ok;
}

bool openMusicFile(sf::Music& music, const std::string& path)
{
    const bool ok = music.openFromFile(resolvePath(path));
    noteLoad(path, ok);
    return ok;
}

bool loadFragmentShaderFile(sf::Shader& shader, const std::string& path, const char* vertexSource)
{
    bool ok = false;
    if (!vertexSource) {
        ok = shader.loadFromFile(resolvePath(path), sf::Shader::Fragment);
    } else {
        Problems problems;
        const TextFile file = readTextFile(path, problems, "the shader is left out");
        ok = file.status == TextFileStatus::Read && !file.cut && shader.loadFromMemory(vertexSource, file.text);
    }
    noteLoad(path, ok);
    return ok;
}

sf::Sprite loadSprite(std::string path, bool centreOrigin, bool smooth, float drawnScale)
{
    // The cache owns the picture: sprites and their copies point at it for the whole run.
    const sf::Texture& texture = sharedTexture(path, smooth, drawnScale);
    sf::Sprite sprite(texture);
    if (centreOrigin) {
        const sf::Vector2u size = texture.getSize();
        sprite.setOrigin(static_cast<float>(size.x) / 2.f, static_cast<float>(size.y) / 2.f);
    }
    return sprite;
}

sf::Sprite loadBackgroundSprite(const std::string& path)
{
    const KeptPicture picture = sharedBackground(path);
    sf::Sprite sprite(*picture.texture);
    // A negative origin puts the kept part where it lies in the whole picture
    // (the origin is in texels, before the sprite's scale).
    const float block = static_cast<float>(picture.block);
    sprite.setOrigin(-sf::Vector2f(picture.offset) / block);
    sprite.setScale(block, block);
    return sprite;
}

sf::Sprite loadFrameSprite(const std::string& path)
{
    const KeptPicture picture = sharedFrame(path);
    // The whole picture's rectangle reaches past the kept part, whose clear
    // edge texels are what is sampled there: the sprite shows, measures and
    // turns as the whole picture's would.
    sf::Sprite sprite(*picture.texture, sf::IntRect(-picture.offset, picture.whole));
    sprite.setOrigin(sf::Vector2f(picture.whole) / 2.f);
    return sprite;
}

void setupText(sf::Text& text, const sf::Font& font, std::string string, unsigned characterSize, bool centreOrigin,
               sf::Color fill)
{
    text.setFont(font);
    text.setCharacterSize(characterSize);
    text.setString(sf::String(string, std::locale()));
    if (centreOrigin) {
        const sf::FloatRect bounds = text.getLocalBounds();
        text.setOrigin(bounds.width / 2.f, bounds.height / 2.f);
    }
    text.setFillColor(fill);
}

void appendTexture(std::vector<sf::Texture>& textures, std::string path)
{
    sf::Texture texture;
    loadTextureFile(texture, path);
    textures.push_back(texture);
}

void appendSprite(std::vector<sf::Sprite>& sprites, const sf::Texture& texture, sf::Vector2f scale)
{
    sf::Sprite sprite(texture);
    sprite.setScale(scale);
    sprites.push_back(sprite);
}

void insertSprite(std::vector<sf::Sprite>& sprites, const sf::Texture& texture, sf::Vector2f scale,
                  std::size_t position)
{
    sf::Sprite sprite(texture);
    sprite.setScale(scale);
    position = std::min(position, sprites.size());
    sprites.insert(sprites.begin() + static_cast<std::ptrdiff_t>(position), sprite);
}

std::string numberedPath(const std::string& prefix, int index, const std::string& suffix)
{
    return prefix + std::to_string(index) + suffix;
}
