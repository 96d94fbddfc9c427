#include "menus/FightAtBlack.h"

#include "app/Game.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "menus/MenuRooms.h"

namespace {

MenuRoom* currentRoom(Game& game)
{
    switch (game.state) {
    case SceneState::MainHub:
        return &game.mainHub;
    case SceneState::ModeSelect:
        return &game.modeSelectRoom;
    case SceneState::MapSelect:
        return &game.mapSelectRoom;
    default:
        return nullptr;
    }
}

}  // namespace

void chooseFightAtBlack(MenuRoom& room, DoorKind door)
{
    room.fightAtBlack = door;
}

void setUpChosenFight(Game& game)
{
    MenuRoom* room = currentRoom(game);
    if (!room || !room->fightAtBlack)
        return;
    const DoorKind door = *room->fightAtBlack;
    room->fightAtBlack.reset();
    if (door == DoorKind::Caa) {
        setUpCaaFight(game.world);
        game.world.match.fightLive = false;
        game.world.match.caaMode = true;
    } else {
        game.customMapChosen = false;
        setUpClassicFight(game.world, game.customMapChosen ? game.customMapPath : std::string());
        placeGoal(game.world);
        game.world.flags[0].carried = false;
    }
}
