#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Transform.hpp>
#include <SFML/System/Vector2.hpp>

// A picture as the rules see it: its size and the point of it that is put
// at a body's position. The picture itself (texture, sprite) belongs to the
// drawing; a shape measures exactly as a sprite of that picture placed there.
struct PictureShape {
    sf::Vector2f size{0.f, 0.f};    // px
    sf::Vector2f origin{0.f, 0.f};  // px from the picture's top-left corner
};

// The picture's own coordinates to world px, the picture's origin at `position`.
sf::Transform placedTransform(const PictureShape& shape, sf::Vector2f position, sf::Vector2f scale = {1.f, 1.f});
// The world box the picture covers placed there.
sf::FloatRect placedBox(const PictureShape& shape, sf::Vector2f position, sf::Vector2f scale = {1.f, 1.f});
// Whether the picture shows anything at all (a missing picture has no size).
bool hasArea(const PictureShape& shape);
