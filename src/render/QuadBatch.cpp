#include "render/QuadBatch.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

void clearBatch(QuadBatch& batch)
{
    batch.vertices.clear();
}

void addQuad(QuadBatch& batch, const sf::Sprite& sprite, sf::Vector2f position, sf::Vector2f scale)
{
    batch.texture = sprite.getTexture();
    const sf::IntRect rect = sprite.getTextureRect();
    const sf::Vector2f origin = sprite.getOrigin();
    const sf::Color colour = sprite.getColor();
    const float w = static_cast<float>(rect.width);
    const float h = static_cast<float>(rect.height);
    const float u = static_cast<float>(rect.left);
    const float v = static_cast<float>(rect.top);
    auto corner = [&](float x, float y) {
        const sf::Vector2f at(position.x + (x - origin.x) * scale.x, position.y + (y - origin.y) * scale.y);
        batch.vertices.append(sf::Vertex(at, colour, sf::Vector2f(u + x, v + y)));
    };
    // Two triangles: top-left, top-right, bottom-right; top-left, bottom-right, bottom-left.
    corner(0.f, 0.f);
    corner(w, 0.f);
    corner(w, h);
    corner(0.f, 0.f);
    corner(w, h);
    corner(0.f, h);
}

void drawBatch(sf::RenderTarget& target, const QuadBatch& batch, const sf::RenderStates& states)
{
    if (batch.vertices.getVertexCount() == 0)
        return;
    sf::RenderStates withPicture = states;
    withPicture.texture = batch.texture;
    target.draw(batch.vertices, withPicture);
}
