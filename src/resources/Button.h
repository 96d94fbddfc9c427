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

// The owning screen's set-up: the frame the animator cuts out (and the
// stride between frames), the press time, the idle frame shown, and the
// sprite put at `position`.
void prepareButton(Button& button, sf::Vector2u frameSize, float pressDuration);
// The strip's own frame size.
sf::Vector2u stripFrameSize(const Button& button);
// Whether `point` lies strictly inside the frame centred on `position`.
bool buttonContains(const Button& button, sf::Vector2f point);

// Once per frame per button: picks the frame from `hovered` / `clicked` and
// holds the pressed frame for `pressDuration` seconds after a click.
void animateButton(ButtonAnimator& animator, sf::Sprite& sprite, bool& hovered, bool& clicked, float frameTime);
