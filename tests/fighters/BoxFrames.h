#pragma once

#include "fighters/Character.h"

#include <algorithm>

#include <SFML/Graphics/Image.hpp>

// Gives every frame of a slot that has no picture an opaque box of `size`
// (and makes the slot at least `frames` long), so the pixel-exact hit test
// has pixels to compare while the run folder lacks the fighters' pictures.
inline void fillMissingFrames(Character& character, sf::Vector2f size, std::size_t frames)
{
    FrameShape box;
    box.shape.size = size;
    box.shape.origin = size / 2.f;
    box.picture = -1;
    character.frames.resize(std::max(character.frames.size(), frames), FrameShape{{}, -1});
    for (FrameShape& frame : character.frames) {
        if (frame.picture >= 0 && frame.picture < static_cast<int>(character.pictures.size()))
            continue;
        if (box.picture < 0) {
            sf::Image image;
            image.create(static_cast<unsigned>(size.x), static_cast<unsigned>(size.y), sf::Color::White);
            box.picture = static_cast<int>(character.pictures.size());
            character.pictures.push_back({"", alphaMaskOf(image)});
        }
        frame = box;
    }
}
