#pragma once

#include "fighters/Character.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <vector>

// Gives every frame of a slot that has no picture an opaque box of `size`
// (and makes the slot at least `frames` long), so the pixel-exact hit test
// has pixels to compare while the run folder lacks the fighters' pictures.
// The box texture is kept in `kept`.
inline void fillMissingFrames(Character& character, sf::Vector2f size, std::size_t frames,
                              std::vector<std::unique_ptr<sf::Texture>>& kept)
{
    auto box = std::make_unique<sf::Texture>();
    sf::Image image;
    image.create(static_cast<unsigned>(size.x), static_cast<unsigned>(size.y), sf::Color::White);
    box->loadFromImage(image);
    bool used = false;
    while (character.sprites.size() < frames)
        character.sprites.emplace_back();
    for (sf::Sprite& frame : character.sprites) {
        if (frame.getTexture() && frame.getTexture()->getSize().x > 0)
            continue;
        frame.setTexture(*box, true);
        frame.setOrigin(size.x / 2.f, size.y / 2.f);
        used = true;
    }
    if (used)
        kept.push_back(std::move(box));
}
