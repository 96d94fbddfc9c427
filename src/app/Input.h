#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

namespace sf { class Window; }

// The one input source of the game. Every keyboard, controller and mouse
// *state* that game logic polls is read from this record. The program keeps
// keys and mouse from the window's events and reads the controllers once per
// frame; tests write it directly. Out-of-range key, button or axis numbers
// read as "up" / 0 instead of indexing outside.
struct JoystickState {
    bool connected = false;
    bool buttons[sf::Joystick::ButtonCount] = {};
    float axes[sf::Joystick::AxisCount] = {};
};

struct InputState {
    bool keys[sf::Keyboard::KeyCount] = {};
    // Pressed since the last world step took them: a key pressed and released
    // within one frame still reads as down for that one step.
    bool keysTapped[sf::Keyboard::KeyCount] = {};
    JoystickState joysticks[sf::Joystick::Count];
    bool mouseButtons[sf::Mouse::ButtonCount] = {};
    sf::Vector2i mousePixel;  // mouse position in window pixels
    bool focused = true;      // the window has the keyboard focus; without it nothing is down

    bool keyDown(int key) const
    {
        return key >= 0 && key < sf::Keyboard::KeyCount && (keys[key] || keysTapped[key]);
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

// Keeps the key and mouse state from one window event: presses and releases,
// mouse moves, and focus. Losing focus releases everything; presses that
// arrive without focus are ignored.
void trackInputEvent(InputState& input, const sf::Event& event);

// The taps were seen by a step (or by a scene's update): from now on only
// the keys held count.
void consumeTaps(InputState& input);

// Gains or loses the focus; losing it releases every key, button and axis.
void setWindowFocus(InputState& input, bool focused);

// Every key, mouse button, controller button and axis up / centred.
void releaseAllInput(InputState& input);

// Whether an event of this kind may reach the scenes: without focus no key,
// text, mouse button, wheel or controller event does.
bool eventAllowed(const InputState& input, const sf::Event& event);

// Copies the controllers' buttons and axes as the window's event poll last
// refreshed them; all released without focus. Only the program calls this,
// once per frame; tests script `input`.
void readControllers(InputState& input);

// One frame's input in the program: takes every pending event of `window`
// into `events` (cleared first), keeping the key and mouse state from them,
// then reads the controllers.
void pollFrameInput(sf::Window& window, InputState& input, std::vector<sf::Event>& events);
