#include "app/Frame.h"
#include "app/Game.h"
#include "editor/MapEditor.h"
#include "render/hud/Hud.h"
#include "menus/KeyBindingScreen.h"
#include "menus/OptionsScreen.h"
#include "menus/PauseMenu.h"
#include "render/Composition.h"
#include "render/FrameTarget.h"
#include "replay/ReplayWatching.h"
#include "screens/CreditsScreen.h"
#include "screens/CustomMapScreen.h"
#include "screens/OnlineMenu.h"
#include "screens/SplashScreen.h"
#include "screens/TitleScreen.h"

namespace {

void drawScene(Game& game, SceneState state, FrameTarget& frame);

bool pausesAScene(SceneState paused)
{
    return paused == SceneState::MainHub || paused == SceneState::ModeSelect || paused == SceneState::MapSelect ||
           paused == SceneState::Fight;
}

// The paused scene under the dimmer, drawn into the screen layer (which a
// straight frame does not use) as it would go onto the window.
void keepPausedScene(Game& game)
{
    FrameTarget layer = layerFrame(game);
    game.screenLayer.clear(sf::Color::Black);
    if (pausesAScene(game.pauseMenu.returnState))
        drawScene(game, game.pauseMenu.returnState, layer);
    aimAtScreen(layer, game);
    game.screenLayer.draw(game.pauseMenu.dimmer);
    game.screenLayer.display();
    game.pauseMenu.sceneKept = true;
}

// The pause menu stands over the scene it paused, drawn as that scene draws
// itself. The world stands still under it: the scene is drawn once and
// copied while the menu shows.
void drawPausedScene(Game& game, FrameTarget& frame)
{
    if (!frame.straight) {
        game.pauseMenu.sceneKept = false;  // the screen layer is this frame's
        if (pausesAScene(game.pauseMenu.returnState))
            drawScene(game, game.pauseMenu.returnState, frame);
        aimAtScreen(frame, game);
        drawPause(game.pauseMenu, *frame.target);
        return;
    }
    if (!game.pauseMenu.sceneKept)
        keepPausedScene(game);
    aimAtScreen(frame, game);
    frame.target->draw(game.screenLayerSprite, sf::RenderStates(sf::BlendNone));
    drawPauseOverDimmer(game.pauseMenu, *frame.target);
}

// Rooms and fights draw onto the frame; the other screens build their
// picture in the screen layer, which is then the frame.
void drawScene(Game& game, SceneState state, FrameTarget& frame)
{
    switch (state) {
    case SceneState::Splash:
        drawSplash(game);
        break;
    case SceneState::Title:
        drawTitle(game);
        break;
    case SceneState::MainHub:
    case SceneState::ModeSelect:
    case SceneState::MapSelect:
        drawRoomScene(game, state, frame);
        break;
    case SceneState::Editor:
        drawEditor(game.editor);
        break;
    case SceneState::Options:
        drawOptions(game.options, frame);
        break;
    case SceneState::Credits:
        drawCredits(game.credits);
        break;
    case SceneState::CustomMapSelect:
        drawCustomMapSelect(game.customMapSelect);
        break;
    case SceneState::Fight:
    case SceneState::Victory:
        drawFightScene(game, frame);
        break;
    case SceneState::Pause:
        drawPausedScene(game, frame);
        break;
    case SceneState::KeyBindings:
        game.backgroundLayer.setView(game.world.camera.view);
        drawKeyBindings(game.options.keyBindingScreen);
        break;
    case SceneState::OnlineMenu:
        drawOnlineMenu(game.onlineMenu, frame);
        break;
    }
}

}  // namespace

void draw(Game& game)
{
    // A window closed by this frame's events takes no drawing: the frame goes to the screen layer.
    FrameTarget frame = game.window.isOpen() ? frameTarget(game, game.window) : layerFrame(game);
    // A paused scene kept for the menu is drawn again at the next pause.
    if (game.state != SceneState::Pause)
        game.pauseMenu.sceneKept = false;
    clearFrameLayers(game, frame);
    // The tiles are drawn around the world's live section.
    game.tileMap.sectionIndex = game.world.sectionIndex;
    drawScene(game, game.state, frame);
    composeFrame(game, frame, game.window);
    if (game.window.isOpen())
        drawReplayOverlay(game, game.window);
    if (game.window.isOpen() && game.outsidePlay)
        game.outsidePlay->drawOver(game, game.window);
}
