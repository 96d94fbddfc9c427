#include "app/Game.h"
#include "fighters/PlayerDrawing.h"
#include "fighters/Projectile.h"
#include "match/Hud.h"
#include "menus/MenuRooms.h"
#include "render/Composition.h"
#include "render/Layers.h"

namespace {

const float roomPictureTop = 64.f;  // px: room pictures hang one tile below the world's top

struct PlacedPicture {
    int index;  // into roomBackgrounds
    float x;    // px, world
};

// The two room pictures of each room, in drawing order.
struct RoomPictures {
    SceneState room;
    PlacedPicture first, second;
};
const RoomPictures roomPictureTable[] = {
    {SceneState::MainHub, {0, 0.f}, {1, 1920.f}},
    {SceneState::ModeSelect, {1, 0.f}, {2, 1920.f}},
    {SceneState::MapSelect, {2, 1920.f}, {3, 0.f}},
};

void drawRoomPictures(Game& game, SceneState room)
{
    for (const RoomPictures& row : roomPictureTable) {
        if (row.room != room)
            continue;
        for (const PlacedPicture& placed : {row.first, row.second}) {
            sf::Sprite& picture = game.roomBackgrounds[placed.index];
            picture.setPosition(placed.x, roomPictureTop);
            game.backgroundLayer.draw(picture);
        }
    }
}

}  // namespace

void drawRoomScene(Game& game, SceneState room)
{
    // 1. Room pictures, in the world.
    game.backgroundLayer.setView(game.world.camera.view);
    drawRoomPictures(game, room);
    // 2. Doors, map and score.
    game.tileLayer.setView(game.world.camera.view);
    drawRoomDoorsMapAndScore(game, room);
    // 3. Both fighters.
    game.actorLayer.setView(game.world.camera.view);
    for (const Player& player : game.world.players)
        drawPlayer(game, player, game.actorLayer);
    // 4. Shots, then the stack: no water and no HUD in the rooms.
    drawProjectiles(game, game.actorLayer);
    aimAtScreen(game.screenLayer);
    stackLayer(game.screenLayer, game.backgroundLayer, game.backgroundLayerSprite);
    stackLayer(game.screenLayer, game.tileLayer, game.tileLayerSprite);
    stackLayer(game.screenLayer, game.actorLayer, game.actorLayerSprite);
    // 5. Markers and fighter cards over the room (the pause menu draws its own over its dimmer).
    if (game.state != SceneState::Pause)
        hudDrawRoom(game, game.screenLayer);
}
