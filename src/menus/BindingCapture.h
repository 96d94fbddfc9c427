#pragma once

#include "fighters/Bindings.h"

// The rules of a capture on the key-binding screen: which new key or button
// the selected cell may take.

// The controller buttons no action may take: Back cancels a capture, Start pauses.
constexpr int cancelCaptureButton = 6;
constexpr int startButton = 7;

// A key is refused when it is no key at all (outside the keyboard's codes),
// Escape (it cancels), bound to another action of the same player, or bound
// to any action of the other player. The key an action already has is taken again.
bool keyRefused(int key, int row, const BindingTable& self, const BindingTable& other);

// Why a key or button was refused, for the screen to say.
struct CaptureRefusal {
    bool refused = false;
    int holder = -1;     // the player (0 P1, 1 P2) whose action has it, -1 when no action does
    int holderRow = -1;  // that action's row
};
// As keyRefused and buttonRefused; `selfIndex` is the capturing player.
CaptureRefusal keyRefusal(int key, int row, const BindingTable& self, const BindingTable& other, int selfIndex);
CaptureRefusal buttonRefusal(int button, int row, const BindingTable& self, int selfIndex);

// A button is refused when it is Back or Start, outside the controller's
// buttons, or bound to another action of the same player. `row` must be a
// controller row.
bool buttonRefused(int button, int row, const BindingTable& self);
