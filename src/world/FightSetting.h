#pragma once

#include "fighters/PictureShape.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

struct Character;
struct TileMap;

// What a fight reads and never changes while it runs: the level with its
// collision, the eight character slots (frame shapes, alpha, clips), and the
// shapes of the pictures whose sizes the rules use. Whoever runs the fight
// owns it; a world points at it and never copies it, and the checksum never
// sees it. It holds no texture: drawing makes the pictures.
struct FightSetting {
    TileMap* tileMap = nullptr;        // every section's collision, built when the level is loaded
    Character* characters = nullptr;   // the eight character slots
    sf::FloatRect goalBox{0.f, 0.f, 0.f, 0.f};  // the goal picture around its position, px
    sf::Vector2f screen{1920.f, 1080.f};        // the window's size when a camera is reset, px
    sf::Vector2f shotSize{0.f, 0.f};            // a shot's picture, px
    // The pictures a crate, a swap marker (by owner) and a flag (by owner) are measured by.
    PictureShape crate;
    PictureShape markers[2];
    PictureShape flags[2];
};
