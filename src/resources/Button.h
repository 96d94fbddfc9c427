#pragma once

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>

// The picture-strip button of the pause, options and key-binding screens:
// `frameCount` equal frames side by side (idle, hovered, pressed).
struct ButtonAnimator {
    float pressTimer = 0.f;
    int frame = 0;  // 0 idle, 1 hovered, 2 pressed
    unsigned stride = 0;
    sf::Vector2u frameSize;
    float pressDuration = 0.2f;
};

struct Button {
    sf::Sprite sprite;
    unsigned frameCount = 3;
    unsigned frameWidth = 0;
    unsigned frameHeight = 0;
    sf::Vector2f position;
    bool hovered = false;
    bool clicked = false;
    ButtonAnimator animator;

    Button() = default;
    Button(std::string path, sf::Vector2f position, unsigned frameCount);
};

// Once per frame per button: picks the frame from `hovered` / `clicked` and
// holds the pressed frame for `pressDuration` seconds after a click.
void animateButton(ButtonAnimator& animator, sf::Sprite& sprite, bool& hovered, bool& clicked, float frameTime);
