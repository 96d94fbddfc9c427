#include "menus/BindingCapture.h"

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <vector>

namespace {

bool boundElsewhere(const std::vector<int>& list, int code, int row)
{
    for (std::size_t j = 0; j < list.size(); ++j)
        if (list[j] == code && static_cast<int>(j) != row)
            return true;
    return false;
}

}  // namespace

bool keyRefused(int key, int row, const BindingTable& self, const BindingTable& other)
{
    if (key < 0 || key >= sf::Keyboard::KeyCount || key == sf::Keyboard::Escape)
        return true;
    if (row < 0 || row >= static_cast<int>(self.keys.size()))
        return true;
    return boundElsewhere(self.keys, key, row) || boundElsewhere(other.keys, key, -1);
}

bool buttonRefused(int button, int row, const BindingTable& self)
{
    if (button < 0 || button >= static_cast<int>(sf::Joystick::ButtonCount) || button == cancelCaptureButton ||
        button == startButton)
        return true;
    if (row < 0 || row >= static_cast<int>(self.buttons.size()))
        return true;
    return boundElsewhere(self.buttons, button, row);
}
