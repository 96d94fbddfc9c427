#include "app/Game.h"
#include "render/fight/PlayerDrawing.h"
#include "render/fight/ShotDrawing.h"
#include "render/hud/Hud.h"
#include "menus/MenuRooms.h"
#include "render/Composition.h"
#include "render/FrameTarget.h"

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

}  // namespace

void drawRoomPictures(Game& game, SceneState room, sf::RenderTarget& target)
{
    for (const RoomPictures& row : roomPictureTable) {
        if (row.room != room)
            continue;
        for (const PlacedPicture& placed : {row.first, row.second}) {
            sf::Sprite& picture = game.roomBackgrounds[placed.index];
            picture.setPosition(placed.x, roomPictureTop);
            // Side by side and first on the frame: nothing shows through them.
            target.draw(picture, sf::RenderStates(sf::BlendNone));
        }
    }
}

void drawRoomScene(Game& game, SceneState room, FrameTarget& frame)
{
    sf::RenderTarget& target = *frame.target;
    // 1. Room pictures, in the world.
    aimAtWorld(frame, game.world.camera.view);
    drawRoomPictures(game, room, target);
    // 2. Doors, map and score.
    drawRoomDoorsMapAndScore(game, room, target);
    // 3. Both fighters, then their shots.
    for (const Player& player : game.world.players)
        drawPlayer(game, player, target);
    drawProjectiles(game.world, game.projectiles, target);
    // 4. Markers and fighter cards over the room (the pause menu draws its own over its dimmer).
    aimAtScreen(frame, game);
    if (game.state != SceneState::Pause)
        hudDrawRoom(game, target);
}
