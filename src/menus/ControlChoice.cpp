#include "menus/ControlChoice.h"

#include "app/Game.h"
#include "menus/MenuRooms.h"

namespace {

void stepControl(Game& game, int player)
{
    PlayerControl& control = game.playerControls.players[static_cast<std::size_t>(player)];
    control = nextControl(control);
}

}  // namespace

void cycleControlByKey(Game& game)
{
    if (roomCurtainFalling(game))
        return;
    if (game.input.keyDown(p1ControlKey))
        stepControl(game, 0);
    if (game.input.keyDown(p2ControlKey))
        stepControl(game, 1);
}

void cycleControlByPad(Game& game, const sf::Event& event)
{
    if (event.type == sf::Event::JoystickButtonPressed && event.joystickButton.joystickId == 0 &&
        event.joystickButton.button == controlPadButton && !roomCurtainFalling(game))
        stepControl(game, 1);
}
