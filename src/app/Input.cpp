#include "app/Input.h"

#include <SFML/Window/Window.hpp>

void pollDeviceInput(InputState& input, const sf::Window& window)
{
    for (int k = 0; k < sf::Keyboard::KeyCount; ++k)
        input.keys[k] = sf::Keyboard::isKeyPressed(static_cast<sf::Keyboard::Key>(k));
    sf::Joystick::update();
    for (unsigned j = 0; j < sf::Joystick::Count; ++j) {
        JoystickState& pad = input.joysticks[j];
        pad.connected = sf::Joystick::isConnected(j);
        for (unsigned b = 0; b < sf::Joystick::ButtonCount; ++b)
            pad.buttons[b] = pad.connected && sf::Joystick::isButtonPressed(j, b);
        for (unsigned a = 0; a < sf::Joystick::AxisCount; ++a)
            pad.axes[a] = pad.connected ? sf::Joystick::getAxisPosition(j, static_cast<sf::Joystick::Axis>(a)) : 0.f;
    }
    for (int b = 0; b < sf::Mouse::ButtonCount; ++b)
        input.mouseButtons[b] = sf::Mouse::isButtonPressed(static_cast<sf::Mouse::Button>(b));
    input.mousePixel = sf::Mouse::getPosition(window);
}
