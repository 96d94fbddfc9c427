#pragma once

#include "app/Frame.h"
#include "app/Game.h"
#include "support/Headless.h"

#include <SFML/Window/Event.hpp>

#include <vector>

// Small helpers for driving the scene machine without a window.
constexpr float testFrame = 1.f / 60.f;

inline sf::Event joystickMovedEvent(unsigned joystick, sf::Joystick::Axis axis, float position)
{
    sf::Event event;
    event.type = sf::Event::JoystickMoved;
    event.joystickMove.joystickId = joystick;
    event.joystickMove.axis = axis;
    event.joystickMove.position = position;
    return event;
}

inline sf::Event mouseMovedEvent(int x, int y)
{
    sf::Event event;
    event.type = sf::Event::MouseMoved;
    event.mouseMove.x = x;
    event.mouseMove.y = y;
    return event;
}

// A key event for a key held at that moment, as the device delivers it.
inline void pressKey(HeadlessGame& driver, sf::Keyboard::Key key)
{
    driver.setKey(key, true);
    driver.step(1, testFrame, {keyPressedEvent(key)});
}

// A controller button pressed and held, with its event.
inline void pressButton(HeadlessGame& driver, unsigned joystick, unsigned button)
{
    driver.setButton(joystick, button, true);
    driver.step(1, testFrame, {joystickButtonEvent(joystick, button)});
}
