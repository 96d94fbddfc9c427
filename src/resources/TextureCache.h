#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <string>

// Every picture the game loads lives here, once: the cache owns the textures
// and hands out references that stay valid for the rest of the run. Pictures
// are known by the file they came from (device, inode, size, modification time),
// so the same file reached through another folder or a hard link is the same
// picture, and a file written anew is a new one. A picture the game only ever
// draws scaled down is kept at the size it is drawn.

// The picture of `path` (the letter case resolved), smoothed or not, shrunk
// by `drawnScale` (0 < scale <= 1). A file that cannot be read gives an empty
// texture and counts as a failed load; it is tried again next time.
const sf::Texture& sharedTexture(const std::string& path, bool smooth, float drawnScale = 1.f);

// A large picture kept smaller than its file, unsmoothed: `texture` holds a
// part of it whose top-left corner lies at `offset` in the whole picture (of
// size `whole`), one texel standing for `block` x `block` pixels of one colour.
struct KeptPicture {
    const sf::Texture* texture = nullptr;
    sf::Vector2i offset;  // px
    sf::Vector2i whole;   // px
    unsigned block = 1;   // px
};
// A background: without its clear margins (their upper parts often are) and,
// if it is pixel art (drawn at 2 px a pixel), at one texel a pixel of the art.
KeptPicture sharedBackground(const std::string& path);
// A fighter's frame: without its clear margins but for one clear texel around
// what is kept (frames are mostly clear).
KeptPicture sharedFrame(const std::string& path);

// Keeps `decoded`, the picture of the fighter frame `path` a loader has
// just decoded, as `sharedFrame` would keep it, unless it is held already:
// the frame is then not decoded again when it is drawn.
void keepDecodedFrame(const std::string& path, const sf::Image& decoded);

// Pictures held, and the bytes of pixels they hold (for tests and benchmarks).
std::size_t sharedTextureCount();
std::size_t sharedTextureBytes();

// Lets every picture go. Only for the end of the program: references handed
// out before are invalid afterwards.
void releaseSharedTextures();
