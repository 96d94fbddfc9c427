#pragma once

#include "characters/FighterLook.h"
#include "characters/Rig.h"

#include <SFML/Graphics/Image.hpp>

// Frame pictures are 192 x 192, facing right. The game centres a picture on
// the fighter's hitbox, so the feet are drawn at the picture centre plus half
// the hitbox height.
constexpr unsigned framePictureSize = 192;

// Paints one frame picture of a fighter in the given pose.
sf::Image paintFighter(const FighterLook& look, const Pose& pose);
