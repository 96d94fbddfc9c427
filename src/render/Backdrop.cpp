#include "render/Backdrop.h"

#include "app/Game.h"
#include "render/Composition.h"
#include "render/Layers.h"

namespace {

bool overBackdrop(SceneState state)
{
    return state == SceneState::Options || state == SceneState::KeyBindings;
}

}  // namespace

void keepBackdrop(Game& game)
{
    Backdrop& backdrop = game.backdrop;
    if (!overBackdrop(game.state)) {
        backdrop.filled = false;
        return;
    }
    if (backdrop.filled)
        return;
    backdrop.filled = true;
    const SceneState paused = game.pauseMenu.returnState;
    sf::RenderTexture& layer = game.backgroundLayer;
    if (paused == SceneState::Fight) {
        aimAtScreen(layer);
        drawParallaxPictures(game, layer);
    } else {
        layer.setView(game.world.camera.view);
        drawRoomPictures(game, paused, layer);
    }
}
