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
#include "screens/SplashScreen.h"
#include "screens/TitleScreen.h"

namespace {

void drawScene(Game& game, SceneState state, FrameTarget& frame);

// The pause menu stands over the scene it paused, drawn as that scene draws itself.
void drawPausedScene(Game& game, FrameTarget& frame)
{
    const SceneState paused = game.pauseMenu.returnState;
    if (paused == SceneState::MainHub || paused == SceneState::ModeSelect || paused == SceneState::MapSelect ||
        paused == SceneState::Fight)
        drawScene(game, paused, frame);
    aimAtScreen(frame, game);
    drawPause(game.pauseMenu, *frame.target);
    hudDrawRoom(game, *frame.target);
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
        drawOptions(game.options);
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
    }
}

}  // namespace

void draw(Game& game)
{
    // A window closed by this frame's events takes no drawing: the frame goes to the screen layer.
    FrameTarget frame = game.window.isOpen() ? frameTarget(game, game.window) : layerFrame(game);
    clearFrameLayers(game, frame);
    drawScene(game, game.state, frame);
    composeFrame(game, frame, game.window);
    if (game.window.isOpen())
        drawReplayOverlay(game, game.window);
}
