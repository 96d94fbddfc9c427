#include "app/PlayerButtons.h"

#include "app/ComputerPlayers.h"
#include "app/Game.h"
#include "app/Input.h"
#include "fighters/InputController.h"

namespace {

constexpr float stickDeadZone = 30.f;  // of the stick's -100..100

bool keyDown(const InputState& input, const InputController& c, KeyAction action)
{
    const std::vector<int>& keys = c.bindings.keys;
    return action < static_cast<int>(keys.size()) && input.keyDown(keys[static_cast<std::size_t>(action)]);
}

bool buttonDown(const InputState& input, const InputController& c, ButtonAction action)
{
    const std::vector<int>& buttons = c.bindings.buttons;
    return action < static_cast<int>(buttons.size()) &&
           input.buttonDown(c.joystick, buttons[static_cast<std::size_t>(action)]);
}

float stickX(const InputState& input, const InputController& c)
{
    return c.axes.empty() ? 0.f : input.axis(c.joystick, c.axes.front());
}

}  // namespace

FightInput readPlayerButtons(const InputState& input, const InputController& c)
{
    struct Source {
        KeyAction key;
        int button;  // ButtonAction, or -1 for the stick's directions
        FightButton bit;
    };
    static const Source sources[] = {
        {JumpKey, JumpButton, ButtonJump},       {AttackKey, AttackButton, ButtonAttack},
        {ParryKey, ParryButton, ButtonParry},    {SkillKey, SkillButton, ButtonSkill},
        {UseItemKey, UseItemButton, ButtonItem},
    };
    FightInput read;
    for (const Source& source : sources)
        if (keyDown(input, c, source.key) || buttonDown(input, c, static_cast<ButtonAction>(source.button)))
            read.buttons |= source.bit;
    if (keyDown(input, c, MoveLeftKey) || stickX(input, c) < -stickDeadZone)
        read.buttons |= ButtonLeft;
    if (keyDown(input, c, MoveRightKey) || stickX(input, c) > stickDeadZone)
        read.buttons |= ButtonRight;
    return read;
}

FightInput fighterButtons(Game& game, int player)
{
    if (game.state != SceneState::Fight)
        letComputersGo(game);
    if (game.scriptedButtons.playing)
        return game.scriptedButtons.inputs[player];
    if (computerPlays(game, player))
        return computerButtons(game, player);
    return readPlayerButtons(game.input, game.world.players[player].input);
}
