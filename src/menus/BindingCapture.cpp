#include "menus/BindingCapture.h"

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <vector>

namespace {

// The row of `list` other than `row` that holds `code`, or -1.
int rowHolding(const std::vector<int>& list, int code, int row)
{
    for (std::size_t j = 0; j < list.size(); ++j)
        if (list[j] == code && static_cast<int>(j) != row)
            return static_cast<int>(j);
    return -1;
}

CaptureRefusal heldBy(int player, int row)
{
    return CaptureRefusal{row >= 0, row >= 0 ? player : -1, row};
}

}  // namespace

CaptureRefusal keyRefusal(int key, int row, const BindingTable& self, const BindingTable& other, int selfIndex)
{
    if (key < 0 || key >= sf::Keyboard::KeyCount || key == sf::Keyboard::Escape)
        return CaptureRefusal{true, -1, -1};
    if (row < 0 || row >= static_cast<int>(self.keys.size()))
        return CaptureRefusal{true, -1, -1};
    const CaptureRefusal own = heldBy(selfIndex, rowHolding(self.keys, key, row));
    return own.refused ? own : heldBy(1 - selfIndex, rowHolding(other.keys, key, -1));
}

bool keyRefused(int key, int row, const BindingTable& self, const BindingTable& other)
{
    return keyRefusal(key, row, self, other, 0).refused;
}

CaptureRefusal buttonRefusal(int button, int row, const BindingTable& self, int selfIndex)
{
    if (button < 0 || button >= static_cast<int>(sf::Joystick::ButtonCount) || button == cancelCaptureButton ||
        button == startButton)
        return CaptureRefusal{true, -1, -1};
    if (row < 0 || row >= static_cast<int>(self.buttons.size()))
        return CaptureRefusal{true, -1, -1};
    return heldBy(selfIndex, rowHolding(self.buttons, button, row));
}

bool buttonRefused(int button, int row, const BindingTable& self)
{
    return buttonRefusal(button, row, self, 0).refused;
}
