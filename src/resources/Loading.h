#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>
#include <vector>

namespace sf { class Font; class Shader; class SoundBuffer; class Music; }

// Loads never stop the game: a missing picture leaves an empty texture and the
// game runs on. They are counted, though, so a start-up can be checked for
// completeness (the tests assert that the real asset tree loads without one).
struct LoadReport {
    int attempts = 0;
    int failures = 0;
    std::vector<std::string> failedPaths;
};
LoadReport& loadReport();
void noteLoad(const std::string& path, bool succeeded);

// Loaders that resolve the path letter case aside and record the outcome.
bool loadTextureFile(sf::Texture& texture, const std::string& path);
bool loadFontFile(sf::Font& font, const std::string& path);
bool loadSoundFile(sf::SoundBuffer& buffer, const std::string& path);
bool openMusicFile(sf::Music& music, const std::string& path);
// With `vertexSource`, the fragment file goes with that vertex stage.
bool loadFragmentShaderFile(sf::Shader& shader, const std::string& path, const char* vertexSource = nullptr);

// A sprite showing the whole picture, held by the texture cache for the whole
// run, so copies of the sprite stay valid everywhere. A picture only ever
// drawn scaled down by `drawnScale` is kept at that size (the sprite then
// shows it at scale 1).
sf::Sprite loadSprite(std::string path, bool centreOrigin, bool smooth, float drawnScale = 1.f);

// A large picture without its clear margins and, if it is pixel art, at one
// texel a pixel of the art: drawn where and as the whole picture would be (not
// smoothed, origin at the whole picture's top-left corner). Its sprite carries
// the scale up: move it, never rescale it.
sf::Sprite loadBackgroundSprite(const std::string& path);

// A fighter's frame, kept without its clear margins, centred: its sprite's
// texture rectangle is the whole picture's, reaching past the kept texture.
sf::Sprite loadFrameSprite(const std::string& path);

void setupText(sf::Text& text, const sf::Font& font, std::string string, unsigned characterSize, bool centreOrigin,
               sf::Color fill);

void appendTexture(std::vector<sf::Texture>& textures, std::string path);
void appendSprite(std::vector<sf::Sprite>& sprites, const sf::Texture& texture, sf::Vector2f scale);
void insertSprite(std::vector<sf::Sprite>& sprites, const sf::Texture& texture, sf::Vector2f scale,
                  std::size_t position);

// "prefix" + index + "suffix", the way numbered assets are named.
std::string numberedPath(const std::string& prefix, int index, const std::string& suffix);
