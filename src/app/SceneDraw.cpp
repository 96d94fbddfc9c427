#include "app/Frame.h"
#include "app/Game.h"
#include "editor/MapEditor.h"
#include "match/Hud.h"
#include "menus/KeyBindingScreen.h"
#include "menus/OptionsScreen.h"
#include "menus/PauseMenu.h"
#include "render/Composition.h"
#include "screens/CreditsScreen.h"
#include "screens/CustomMapScreen.h"
#include "screens/SplashScreen.h"
#include "screens/TitleScreen.h"

namespace {

void drawScene(Game& game, SceneState state);

// The pause menu stands over the scene it paused, drawn as that scene draws itself.
void drawPausedScene(Game& game)
{
    const SceneState paused = game.pauseMenu.returnState;
    if (paused == SceneState::MainHub || paused == SceneState::ModeSelect || paused == SceneState::MapSelect ||
        paused == SceneState::Fight)
        drawScene(game, paused);
    drawPause(game.pauseMenu);
    game.screenLayer.setView(game.screenLayer.getDefaultView());
    hudDrawRoom(game, game.screenLayer);
}

void drawScene(Game& game, SceneState state)
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
        drawRoomScene(game, state);
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
        drawFightScene(game);
        break;
    case SceneState::Pause:
        drawPausedScene(game);
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
    clearFrameLayers(game);
    drawScene(game, game.state);
    composeToWindow(game);
}
