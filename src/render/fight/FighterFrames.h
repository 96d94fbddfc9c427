#pragma once

#include "fighters/Character.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <optional>
#include <vector>

struct Player;

// The fighters' frames as the screen shows them, made from the character
// slots the rules read: each picture once through the texture cache, and a
// slot's box (frames without a picture) as a texture of its own.
struct FighterFrames {
    const Character* slots = nullptr;                      // the slots they were made from
    std::vector<sf::Sprite> pictures[characterSlotCount];  // by slot, in the order of Character::pictures
    sf::Texture boxes[characterSlotCount];
};

// Makes the sprites of the eight slots at `slots` (which must outlive `frames`).
void loadFighterFrames(FighterFrames& frames, const Character* slots);
// The frame the fighter shows now, placed and scaled as the rules place it,
// or none when it has no frames.
std::optional<sf::Sprite> frameSprite(const FighterFrames& frames, const Player& player);
