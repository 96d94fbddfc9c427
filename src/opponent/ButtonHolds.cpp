#include "opponent/ButtonHolds.h"

namespace {

constexpr int restSteps = 12;  // 40 ms up between two presses of one button

int bitIndex(FightButton button)
{
    int index = 0;
    for (unsigned bits = button; bits > 1u; bits >>= 1u)
        ++index;
    return index;
}

}  // namespace

void press(ButtonHolds& holds, FightButton button, int wait, int hold)
{
    ButtonHold& b = holds.buttons[static_cast<std::size_t>(bitIndex(button))];
    if (b.armed || b.rest > 0)
        return;
    b = ButtonHold{wait, hold, 0, true};
}

void releaseAll(ButtonHolds& holds)
{
    for (ButtonHold& b : holds.buttons)
        if (b.armed)
            b = ButtonHold{0, 0, restSteps, false};
}

std::uint16_t tickHolds(ButtonHolds& holds)
{
    std::uint16_t bits = 0;
    for (int i = 0; i < buttonCount; ++i) {
        ButtonHold& b = holds.buttons[static_cast<std::size_t>(i)];
        if (b.rest > 0) {
            --b.rest;
        } else if (b.armed && b.wait > 0) {
            --b.wait;
        } else if (b.armed) {
            bits = static_cast<std::uint16_t>(bits | (1u << i));
            if (--b.hold <= 0)
                b = ButtonHold{0, 0, restSteps, false};
        }
    }
    return bits;
}
