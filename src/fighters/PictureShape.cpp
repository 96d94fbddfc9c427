#include "fighters/PictureShape.h"

#include <SFML/Graphics/Transformable.hpp>

sf::Transform placedTransform(const PictureShape& shape, sf::Vector2f position, sf::Vector2f scale)
{
    // Built as a sprite builds its own, so boxes and hit tests agree with what is drawn to the last bit.
    sf::Transformable placed;
    placed.setOrigin(shape.origin);
    placed.setPosition(position);
    placed.setScale(scale);
    return placed.getTransform();
}

sf::FloatRect placedBox(const PictureShape& shape, sf::Vector2f position, sf::Vector2f scale)
{
    return placedTransform(shape, position, scale).transformRect(sf::FloatRect(0.f, 0.f, shape.size.x, shape.size.y));
}

bool hasArea(const PictureShape& shape)
{
    return shape.size.x > 0.f && shape.size.y > 0.f;
}
