#pragma once

#include <SFML/Graphics/Rect.hpp>

struct FrameTarget;
struct Game;

// The water is the one part of a fight's world that its shader ripples: it
// is drawn into the water layer and run through the shader onto the frame,
// only over the rectangle it covers on the screen.
struct WaterPass {
    sf::IntRect drawn;  // px of the water layer holding last frame's water (wiped before the next)
};

// Draws the visible water cells through the water shader onto `frame`
// (nothing, and no pass, without water on the screen).
void drawWater(Game& game, FrameTarget& frame);
