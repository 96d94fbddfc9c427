#pragma once

#include <SFML/System/Vector2.hpp>

// The plain body record shared by fighters, shots, flags, crates and hazards.
// Which point `position` marks is up to each user (hitbox centre for fighters,
// cell corner for hazards).
struct Entity {
    sf::Vector2f position{0.f, 0.f};   // world px
    sf::Vector2f velocity{0.f, 0.f};   // px/s
    sf::Vector2f moveScale{0.f, 0.f};  // multipliers applied when the velocity is integrated
    sf::Vector2f size{60.f, 99.f};     // width and height, px
    bool onGround = false;
    bool wallContact = false;
};
