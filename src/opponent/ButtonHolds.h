#pragma once

#include "world/FightInput.h"

#include <array>

// Presses as a hand makes them: each one starts after a wait, is held for a
// while, and is followed by a rest before the same button goes down again, so
// every press reaches the fighter as a fresh one.
struct ButtonHold {
    int wait = 0;  // steps before it goes down
    int hold = 0;  // steps it stays down
    int rest = 0;  // steps it stays up afterwards
    bool armed = false;
};

constexpr int buttonCount = 7;  // the bits of FightInput, in order

struct ButtonHolds {
    std::array<ButtonHold, buttonCount> buttons{};
};

// Starts a press of `button` unless that button is busy.
void press(ButtonHolds& holds, FightButton button, int wait, int hold);
// Drops every press.
void releaseAll(ButtonHolds& holds);
// The bits held this step; advances every press by one step.
std::uint16_t tickHolds(ButtonHolds& holds);
