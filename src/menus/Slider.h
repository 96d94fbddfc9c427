#pragma once

#include "world/GameTime.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>

namespace sf { class RenderTarget; }
struct Game;

// The knob travels this far inside each end of the track.
constexpr float sliderMargin = 25.f;      // px
constexpr float sliderLabelRise = 60.f;   // px from the track's centre up to its caption
constexpr float sliderStickStep = 0.1f;   // of the whole range, per stick step

// A horizontal volume slider: a track, a knob on it, a caption above. The
// value (0..1) is what the slider holds; the knob shows it.
struct Slider {
    sf::Sprite track;
    bool dragging = false;  // the mouse holds the knob
    bool vertical = false;
    Game* game = nullptr;
    sf::Sprite knob;
    sf::Vector2f trackPosition;  // centre of the track
    sf::Vector2f knobPosition;   // centre of the knob; its y is the track's
    std::string label;
    sf::Text labelText;
    GameClock navClock;  // paces the stick steps (menus' clock)
    float trackRotation = 0.f;
    float value = 0.f;
};

void initSlider(Slider& slider, Game& game, sf::Vector2f position, const std::string& label, float value);
// Sets the value, kept finite inside 0..1, and moves the knob to it.
void setSliderValue(Slider& slider, float value);
// Puts the knob under the mouse's x, inside the track's margins.
void dragSliderTo(Slider& slider, float mouseX);
// Whether the point lies on the track (left and top edges included).
bool trackContains(const Slider& slider, sf::Vector2f point);
// Each frame: the knob follows a dragging mouse (a drag ends when the left
// button is up), and, when the slider is the stick's choice (`selected` ==
// `index`), the stick steps the value by 0.1 once per 0.25 s. A step that
// would leave 0..1 is not taken.
void updateSlider(Slider& slider, int selected, int index);
void drawSlider(Slider& slider, sf::RenderTarget& target);
