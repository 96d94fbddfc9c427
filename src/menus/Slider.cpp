#include "menus/Slider.h"

#include "app/Game.h"
#include "app/MousePosition.h"
#include "audio/Audio.h"
#include "menus/MenuNavigation.h"
#include "resources/Loading.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

const char* const trackPicture = "Assets/Sprites/Options/slider.png";
const char* const knobPicture = "Assets/Sprites/Options/sliderButton.png";
const unsigned labelSize = 30;
const float labelOutline = 2.f;   // px
const float stepTolerance = 1e-3f;  // a stick step lands on the nearest tenth within this

struct Travel {
    float low = 0.f;   // knob x at value 0
    float span = 0.f;  // px from value 0 to value 1; not positive when the track is too short
};

Travel knobTravel(const Slider& slider)
{
    const float width = slider.track.getLocalBounds().width;
    Travel travel;
    travel.low = slider.trackPosition.x - width / 2.f + sliderMargin;
    travel.span = width - 2.f * sliderMargin;
    return travel;
}

// Repeated tenths must add up to exactly 1 (five steps from 0.5), so a step
// that ends next to a tenth lands on it.
float snapToTenth(float value)
{
    const float tenths = std::round(value * 10.f);
    return std::fabs(value * 10.f - tenths) < stepTolerance ? tenths / 10.f : value;
}

void stepValue(Slider& slider, int direction)
{
    Game& game = *slider.game;
    playSound("CONFIRM", 100.f);
    slider.navClock.restart(game.menuTime);
    const float next = snapToTenth(slider.value + sliderStickStep * static_cast<float>(direction));
    if (next >= 0.f && next <= 1.f)
        setSliderValue(slider, next);
}

}  // namespace

void initSlider(Slider& slider, Game& game, sf::Vector2f position, const std::string& label, float value)
{
    slider.game = &game;
    slider.track = loadSprite(trackPicture, true, false);
    slider.knob = loadSprite(knobPicture, true, false);
    slider.trackPosition = position;
    slider.track.setPosition(position);
    slider.label = label;
    setupText(slider.labelText, game.font, label, labelSize, true, sf::Color::White);
    slider.labelText.setOutlineThickness(labelOutline);
    slider.labelText.setPosition(position.x, position.y - sliderLabelRise);
    setSliderValue(slider, value);
}

void setSliderValue(Slider& slider, float value)
{
    slider.value = std::isfinite(value) ? std::clamp(value, 0.f, 1.f) : 0.f;
    const Travel travel = knobTravel(slider);
    const float x = travel.span > 0.f ? travel.low + travel.span * slider.value : slider.trackPosition.x;
    slider.knobPosition = sf::Vector2f(x, slider.trackPosition.y);
    slider.knob.setPosition(slider.knobPosition);
}

void dragSliderTo(Slider& slider, float mouseX)
{
    const Travel travel = knobTravel(slider);
    if (travel.span <= 0.f || !std::isfinite(mouseX))
        return;
    setSliderValue(slider, (mouseX - travel.low) / travel.span);
}

bool trackContains(const Slider& slider, sf::Vector2f point)
{
    const sf::FloatRect bounds = slider.track.getGlobalBounds();
    return point.x >= bounds.left && point.x < bounds.left + bounds.width && point.y >= bounds.top &&
           point.y < bounds.top + bounds.height;
}

void updateSlider(Slider& slider, int selected, int index)
{
    Game& game = *slider.game;
    if (slider.dragging && !game.input.mouseButtons[sf::Mouse::Left])
        slider.dragging = false;
    if (slider.dragging)
        dragSliderTo(slider, mouseOnScreen(game).x);
    if (selected != index || !navReady(game, slider.navClock))
        return;
    const int direction = stickSideways(game);
    if (direction != 0)
        stepValue(slider, direction);
}

void drawSlider(Slider& slider, sf::RenderTarget& target)
{
    const sf::FloatRect bounds = slider.labelText.getLocalBounds();
    slider.labelText.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f);
    target.draw(slider.labelText);
    slider.track.setRotation(slider.trackRotation);
    target.draw(slider.track);
    target.draw(slider.knob);
}
