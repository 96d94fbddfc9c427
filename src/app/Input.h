#pragma once

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <SFML/System/Vector2.hpp>

namespace sf { class Window; }

// The one input source of the game. Every keyboard, controller and mouse
// *state* that game logic polls is read from this record. The program fills it
// from SFML at the start of each frame; tests write it directly. Out-of-range
// key, button or axis numbers read as "up" / 0 instead of indexing outside.
struct JoystickState {
    bool connected = false;
    bool buttons[sf::Joystick::ButtonCount] = {};
    float axes[sf::Joystick::AxisCount] = {};
};

struct InputState {
    bool keys[sf::Keyboard::KeyCount] = {};
    JoystickState joysticks[sf::Joystick::Count];
    bool mouseButtons[sf::Mouse::ButtonCount] = {};
    sf::Vector2i mousePixel;  // mouse position in window pixels

    bool keyDown(int key) const
    {
        return key >= 0 && key < sf::Keyboard::KeyCount && keys[key];
    }
    bool buttonDown(int joystick, int button) const
    {
        return joystick >= 0 && joystick < static_cast<int>(sf::Joystick::Count) && button >= 0 &&
               button < static_cast<int>(sf::Joystick::ButtonCount) && joysticks[joystick].buttons[button];
    }
    float axis(int joystick, int axisIndex) const
    {
        if (joystick < 0 || joystick >= static_cast<int>(sf::Joystick::Count) || axisIndex < 0 ||
            axisIndex >= static_cast<int>(sf::Joystick::AxisCount))
            return 0.f;
        return joysticks[joystick].axes[axisIndex];
    }
    bool joystickConnected(int joystick) const
    {
        return joystick >= 0 && joystick < static_cast<int>(sf::Joystick::Count) && joysticks[joystick].connected;
    }
};

// Fills `input` from the real devices (keyboard, controllers, the mouse
// relative to `window`). Only the program calls this; tests script `input`.
void pollDeviceInput(InputState& input, const sf::Window& window);
