#include "menus/Doors.h"

#include "app/Game.h"
#include "audio/Audio.h"
#include "menus/FightAtBlack.h"
#include "menus/QuitDoor.h"
#include "menus/MenuRooms.h"
#include "resources/Loading.h"
#include "screens/CustomMapScreen.h"
#include "screens/OnlineMenu.h"

namespace {

float doorWidth(const Door& door)
{
    return door.sprite.getLocalBounds().width;
}

// Fade towards the door's target.
void fadeTo(MenuRoom& room, const Door& door)
{
    startFade(room.game->screenFade);
    room.targetState = door.target;
}

// Play, Back and Classic: both fighters at their start places, then the fade.
void walkThrough(MenuRoom& room, const Door& door)
{
    placeAtHubStart(*room.game);
    fadeTo(room, door);
}

// Into a fight: the fighter that opened the door stops, and P1 gives up the
// hub mark (the match hands out the right of way itself). The fight itself is
// set up at black.
void intoFight(MenuRoom& room, const Door& door, Player& opener)
{
    opener.velocity = sf::Vector2f(0.f, 0.f);
    chooseFightAtBlack(room, door.kind);
    fadeTo(room, door);
    room.game->world.players[0].advancing = false;
}

void openDoor(MenuRoom& room, const Door& door, Player& opener)
{
    Game& game = *room.game;
    switch (door.kind) {
    case DoorKind::Play:
    case DoorKind::Back:
    case DoorKind::Classic:
        walkThrough(room, door);
        break;
    case DoorKind::Editor:
    case DoorKind::Credits:
        fadeTo(room, door);
        break;
    case DoorKind::Custom:
        rebuildList(game.customMapSelect);
        fadeTo(room, door);
        break;
    case DoorKind::Online:
        openOnlineMenu(game.onlineMenu);
        fadeTo(room, door);
        break;
    case DoorKind::Quit:
        // Closing the window ends the frame loop, which then saves both files.
        if (quitConfirmed(game.mainHub) && game.window.isOpen())
            game.window.close();
        break;
    case DoorKind::Caa:
    case DoorKind::Jungle:
        intoFight(room, door, opener);
        break;
    }
    playSound("CONFIRM", 100.f);
}

}  // namespace

Door makeDoor(DoorKind kind, SceneState target, const char* picture, float x)
{
    Door door;
    door.kind = kind;
    door.target = target;
    door.sprite = loadSprite(picture, false, false);
    door.sprite.setPosition(x, doorTop);
    return door;
}

bool atDoor(const Player& player, const Door& door)
{
    const sf::FloatRect frame = frameBounds(player);
    const float left = player.position.x - frame.width / 2.f;
    const float top = player.position.y - frame.height / 2.f;
    const sf::Vector2f corner = door.sprite.getPosition();
    return corner.x < left + frame.width && left < corner.x + doorWidth(door) && top < corner.y + doorReach &&
           corner.y < top + frame.height;
}

const Door* firstDoorAt(const MenuRoom& room, const Player& player)
{
    for (const Door& door : room.doors)
        if (atDoor(player, door))
            return &door;
    return nullptr;
}

void updatePrompts(MenuRoom& room)
{
    MainHub& hub = room.game->mainHub;
    watchForStillness(*room.game);
    watchQuitQuestion(hub);
    for (int i = 0; i < 2; ++i) {
        const Door* door = firstDoorAt(room, room.game->world.players[i]);
        hub.promptShown[i] = door != nullptr;
        if (door) {
            const sf::Vector2f corner = door->sprite.getPosition();
            hub.prompts[i].setPosition(corner.x + doorWidth(*door) / 2.f, corner.y);
        }
    }
}

void enterDoor(MenuRoom& room)
{
    Game& game = *room.game;
    if (roomCurtainFalling(game))
        return;
    for (Player& player : game.world.players) {
        if (!player.advancing)
            continue;
        if (room.everyDoor) {
            for (const Door& door : room.doors)
                if (atDoor(player, door))
                    openDoor(room, door, player);
        } else if (const Door* door = firstDoorAt(room, player)) {
            openDoor(room, *door, player);
            // One switch per confirm: a second holder's door would spoil the set-up.
            if (roomCurtainFalling(game))
                return;
        }
    }
}
