#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

struct Character;
struct PixelMasks;
struct TileMap;
namespace sf { class Sprite; }

// What a fight reads and never changes while it runs: the level with its
// collision, the eight character slots (frame sizes, clips) with their pixel
// masks, and the box of the goal's picture. Whoever runs the fight owns it;
// a world points at it and never copies it, and the checksum never sees it.
struct FightSetting {
    TileMap* tileMap = nullptr;        // its live collision is rebuilt when the world's section changes
    Character* characters = nullptr;   // the eight character slots
    PixelMasks* masks = nullptr;       // the frames' alpha, filled on first use
    sf::FloatRect goalBox{0.f, 0.f, 0.f, 0.f};  // the goal picture around its position, px
    sf::Vector2f screen{1920.f, 1080.f};        // the window's size when a camera is reset, px
    sf::Vector2f shotSize{0.f, 0.f};            // a shot's picture, px
    // The pictures a crate, an item and a swap marker start from (their size is their body's).
    const sf::Sprite* crate = nullptr;
    const sf::Sprite* itemIcons = nullptr;           // five, by item kind
    const sf::Sprite* markers[2] = {nullptr, nullptr};  // by owner
};
