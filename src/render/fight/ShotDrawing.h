#pragma once

#include <SFML/Graphics/RenderStates.hpp>

namespace sf { class RenderTarget; }
#include <SFML/Graphics/Texture.hpp>

struct FightWorld;

// The two shot pictures; the shots in flight are the world's.
struct ProjectileList {
    sf::Texture textures[2];  // 0: stunning shots, 1: wounding shots
};

// Draws the shots in flight; a shot flying right shows its picture mirrored, over the same box.
void drawProjectiles(const FightWorld& world, const ProjectileList& pictures, sf::RenderTarget& target,
                     const sf::RenderStates& states = sf::RenderStates::Default);
