#pragma once

#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

namespace sf { class RenderTarget; class Sprite; class Texture; }

// Many copies of one picture gathered into one vertex array, so that they
// cost a single draw call (the minimap cells, Napollo's rounds).
struct QuadBatch {
    sf::VertexArray vertices{sf::Triangles};
    const sf::Texture* texture = nullptr;
};

// Empties the batch, keeping its storage.
void clearBatch(QuadBatch& batch);
// Adds a copy of `sprite` (its picture, origin and colour) at `position`,
// scaled by `scale` about its origin. The batch takes the sprite's texture.
void addQuad(QuadBatch& batch, const sf::Sprite& sprite, sf::Vector2f position, sf::Vector2f scale = {1.f, 1.f});
void drawBatch(sf::RenderTarget& target, const QuadBatch& batch,
               const sf::RenderStates& states = sf::RenderStates::Default);
