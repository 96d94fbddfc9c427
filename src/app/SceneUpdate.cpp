#include "app/SceneUpdate.h"

#include "app/Cursor.h"
#include "app/FadeSwitch.h"
#include "app/Game.h"
#include "app/Latches.h"
#include "app/Victory.h"
#include "audio/Audio.h"
#include "editor/MapEditor.h"
#include "fighters/PlayersTick.h"
#include "match/Camera.h"
#include "match/Hud.h"
#include "match/Items.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "menus/MenuRooms.h"
#include "menus/OptionsScreen.h"
#include "menus/PauseMenu.h"
#include "screens/CustomMapScreen.h"
#include "screens/SplashScreen.h"
#include "screens/TitleScreen.h"

namespace {

// The steps the three rooms share before their own prompts and switch.
void walkRoom(Game& game)
{
    setCursorVisible(game, false);
    playersTick(game);
    updateCamera(game.world.camera);
}

void stopIfPlaying(const char* track)
{
    if (isMusicPlaying(track))
        stopMusic(track);
}

}  // namespace

void updateMainHubScene(Game& game)
{
    // 1. The menu music takes over from the title's.
    stopIfPlaying("TITLESCREEN");
    playMusic("MENU", 100.f);
    // 2. Layers, cursor, fighters and camera.
    walkRoom(game);
    // 3. Doors, then the switch the chosen door asked for.
    updatePrompts(game.mainHub);
    fadeDrivenSwitch(game, game.mainHub.armed, game.mainHub.targetState);
    // 4. The hub keeps the fighters free to act.
    game.world.match.fightLive = true;
}

void updateModeSelectScene(Game& game)
{
    walkRoom(game);
    updatePrompts(game.modeSelectRoom);
    fadeDrivenSwitch(game, game.modeSelectRoom.armed, game.modeSelectRoom.targetState);
}

void updateMapSelectScene(Game& game)
{
    walkRoom(game);
    updatePrompts(game.mapSelectRoom);
    fadeDrivenSwitch(game, game.mapSelectRoom.armed, game.mapSelectRoom.targetState);
}

void updateFightScene(Game& game)
{
    // 1. The caa mode's character changes.
    if (game.world.match.caaMode)
        caaRules(game);
    // 2. Cursor, camera, menu music.
    setCursorVisible(game, false);
    updateCamera(game.world.camera);
    stopIfPlaying("MENU");
    // 3. A pad A held through the fight cannot start a rematch on the result screen.
    if (game.input.buttonDown(0, buttonA))
        game.latchA = true;
    // 4. Right of way, HUD and timers, fighters.
    updateChaseSituation(game);
    hudUpdate(game);
    playersTick(game);
    // 5. Crates and items, then the win tests.
    crateStep(game);
    activeItems(game);
    matchRules(game);
    // 6. The flags follow their carriers, except in the caa mode and while darkening.
    if (!game.world.match.caaMode && !game.screenFade.darkening)
        updateFlags(game);
}

void updateScene(Game& game)
{
    switch (game.state) {
    case SceneState::Splash:
        updateSplash(game);
        break;
    case SceneState::Title:
        updateTitle(game);
        break;
    case SceneState::MainHub:
        updateMainHubScene(game);
        break;
    case SceneState::Editor:
        updateView(game.editor);
        break;
    case SceneState::Options:
        setCursorVisible(game, true);
        updateOptions(game.options);
        break;
    case SceneState::Credits:
        setCursorVisible(game, true);
        break;
    case SceneState::ModeSelect:
        updateModeSelectScene(game);
        break;
    case SceneState::CustomMapSelect:
        setCursorVisible(game, true);
        updateCustomMapSelect(game.customMapSelect);
        break;
    case SceneState::MapSelect:
        updateMapSelectScene(game);
        break;
    case SceneState::Fight:
        updateFightScene(game);
        break;
    case SceneState::Victory:
        updateVictory(game);
        break;
    case SceneState::Pause:
        setCursorVisible(game, true);
        updatePause(game.pauseMenu);
        break;
    case SceneState::KeyBindings:
        updateKeyBindings(game.options.keyBindingScreen);
        break;
    }
}
