#include "app/Game.h"
#include "app/Latches.h"
#include "audio/Audio.h"
#include "menus/ControlChoice.h"
#include "menus/Doors.h"
#include "menus/FighterChoice.h"
#include "menus/MenuRooms.h"
#include "menus/QuitDoor.h"

namespace {

constexpr int confirmButton = 3;  // Y on an Xbox-style pad
constexpr unsigned cancelButton = 1;  // B

void confirm(MenuRoom& room)
{
    playSound("CONFIRM", 100.f);
    enterDoor(room);
}

// A fresh press of button 3 on the pad of a mark holder goes through its
// door. Only the press itself counts: a button held while the stick moves
// would otherwise confirm again on every stick event.
void confirmByButton(MenuRoom& room, const sf::Event& event)
{
    Game& game = *room.game;
    if (event.type != sf::Event::JoystickButtonPressed || event.joystickButton.button != confirmButton ||
        roomCurtainFalling(game))
        return;
    for (const Player& player : game.world.players) {
        const int pad = player.index;
        if (!player.advancing || static_cast<int>(event.joystickButton.joystickId) != pad ||
            !game.input.buttonDown(pad, confirmButton) || game.latchA)
            continue;
        game.latchA = true;
        confirm(room);
    }
}

}  // namespace

void roomKeys(MenuRoom& room)
{
    Game& game = *room.game;
    if (game.input.keyDown(sf::Keyboard::Enter) && !roomCurtainFalling(game))
        confirm(room);
    cycleFighterByKey(game, sf::Keyboard::Add, game.world.players[1]);
    cycleFighterByKey(game, sf::Keyboard::Tab, game.world.players[0]);
    cycleControlByKey(game);
}

void hubKeys(MainHub& hub)
{
    roomKeys(hub);
}

void roomButtons(MenuRoom& room, const sf::Event& event)
{
    confirmByButton(room, event);
    cycleFighterByPad(*room.game);
    cycleControlByPad(*room.game, event);
}

void hubButtons(MainHub& hub, const sf::Event& event)
{
    if (event.type == sf::Event::JoystickButtonPressed && event.joystickButton.button == cancelButton)
        cancelQuitQuestion(hub);
    roomButtons(hub, event);
}
