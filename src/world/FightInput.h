#pragma once

#include <cstdint>

// One player's buttons for one step of the fight: the single seam through which
// every source of play reaches a fighter. Keyboard, pad, test script, replay,
// computer opponent and network peer all produce these bits and nothing else.
// A bit is set when the button is held during the step; a press that was
// released again before the step began still sets its bit for that one step,
// so no tap is lost on a slow frame.
enum FightButton : std::uint16_t {
    ButtonLeft = 1u << 0,
    ButtonRight = 1u << 1,
    ButtonJump = 1u << 2,
    ButtonAttack = 1u << 3,
    ButtonParry = 1u << 4,
    ButtonSkill = 1u << 5,
    ButtonItem = 1u << 6,
};

// Every bit a FightInput may carry; a reader refuses anything outside it.
constexpr std::uint16_t fightButtonMask = 0x7Fu;

struct FightInput {
    std::uint16_t buttons = 0;

    bool held(FightButton button) const { return (buttons & button) != 0; }
    friend bool operator==(FightInput a, FightInput b) { return a.buttons == b.buttons; }
    friend bool operator!=(FightInput a, FightInput b) { return a.buttons != b.buttons; }
};
