#include "app/Input.h"

#include <SFML/Window/Window.hpp>

#include <algorithm>
#include <iterator>

namespace {

void setKey(InputState& input, sf::Keyboard::Key key, bool down)
{
    if (key < 0 || key >= sf::Keyboard::KeyCount || !(input.focused || !down))
        return;
    input.keys[key] = down;
    if (down)
        input.keysTapped[key] = true;
}

void setMouseButton(InputState& input, sf::Mouse::Button button, bool down)
{
    if (button >= 0 && button < sf::Mouse::ButtonCount && (input.focused || !down))
        input.mouseButtons[button] = down;
}

}  // namespace

void consumeTaps(InputState& input)
{
    std::fill(std::begin(input.keysTapped), std::end(input.keysTapped), false);
}

void releaseAllInput(InputState& input)
{
    std::fill(std::begin(input.keys), std::end(input.keys), false);
    consumeTaps(input);
    std::fill(std::begin(input.mouseButtons), std::end(input.mouseButtons), false);
    for (JoystickState& pad : input.joysticks) {
        std::fill(std::begin(pad.buttons), std::end(pad.buttons), false);
        std::fill(std::begin(pad.axes), std::end(pad.axes), 0.f);
    }
}

void setWindowFocus(InputState& input, bool focused)
{
    input.focused = focused;
    if (!focused)
        releaseAllInput(input);
}

void trackInputEvent(InputState& input, const sf::Event& event)
{
    switch (event.type) {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
        setKey(input, event.key.code, event.type == sf::Event::KeyPressed);
        break;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        setMouseButton(input, event.mouseButton.button, event.type == sf::Event::MouseButtonPressed);
        input.mousePixel = sf::Vector2i(event.mouseButton.x, event.mouseButton.y);
        break;
    case sf::Event::MouseMoved:
        input.mousePixel = sf::Vector2i(event.mouseMove.x, event.mouseMove.y);
        break;
    case sf::Event::LostFocus:
    case sf::Event::GainedFocus:
        setWindowFocus(input, event.type == sf::Event::GainedFocus);
        break;
    default:
        break;
    }
}

bool eventAllowed(const InputState& input, const sf::Event& event)
{
    if (input.focused)
        return true;
    switch (event.type) {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
    case sf::Event::TextEntered:
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
    case sf::Event::MouseWheelMoved:
    case sf::Event::MouseWheelScrolled:
    case sf::Event::JoystickButtonPressed:
    case sf::Event::JoystickButtonReleased:
    case sf::Event::JoystickMoved:
        return false;
    default:
        return true;
    }
}

void readControllers(InputState& input)
{
    for (unsigned j = 0; j < sf::Joystick::Count; ++j) {
        JoystickState& pad = input.joysticks[j];
        pad.connected = sf::Joystick::isConnected(j);
        const bool read = pad.connected && input.focused;
        const unsigned buttons = read ? std::min<unsigned>(sf::Joystick::getButtonCount(j), sf::Joystick::ButtonCount) : 0;
        for (unsigned b = 0; b < sf::Joystick::ButtonCount; ++b)
            pad.buttons[b] = b < buttons && sf::Joystick::isButtonPressed(j, b);
        for (unsigned a = 0; a < sf::Joystick::AxisCount; ++a) {
            const auto axis = static_cast<sf::Joystick::Axis>(a);
            pad.axes[a] = read && sf::Joystick::hasAxis(j, axis) ? sf::Joystick::getAxisPosition(j, axis) : 0.f;
        }
    }
}

void pollFrameInput(sf::Window& window, InputState& input, std::vector<sf::Event>& events)
{
    events.clear();
    sf::Event event;
    while (window.pollEvent(event)) {
        trackInputEvent(input, event);
        events.push_back(event);
    }
    // The last, empty poll of the window refreshed the controllers' state.
    readControllers(input);
}
