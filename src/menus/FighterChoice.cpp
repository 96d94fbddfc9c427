#include "menus/FighterChoice.h"

#include "app/Game.h"
#include "menus/MenuRooms.h"

int nextOfferedKind(int kind)
{
    return kind >= 0 && kind < offeredKinds - 1 ? kind + 1 : 0;
}

int previousOfferedKind(int kind)
{
    return kind > 0 && kind < offeredKinds ? kind - 1 : offeredKinds - 1;
}

void cycleFighterByKey(Game& game, sf::Keyboard::Key key, Player& player)
{
    if (roomCurtainFalling(game) || !game.input.keyDown(key))
        return;
    setFighterKind(player, nextOfferedKind(characterKind(player)));
}

void cycleFighterByPad(Game& game)
{
    if (roomCurtainFalling(game))
        return;
    for (Player& player : game.world.players) {
        const float pad = game.input.axis(player.index, dpadAxis);
        InputController& input = player.input;
        if ((pad <= dpadThreshold && pad >= -dpadThreshold) ||
            input.choiceRepeatClock.elapsed(game.menuTime) <= choiceRepeat)
            continue;
        input.choiceRepeatClock.restart(game.menuTime);
        input.pauseLatch = true;
        const int kind = characterKind(player);
        setFighterKind(player, pad > 0.f ? nextOfferedKind(kind) : previousOfferedKind(kind));
    }
}
