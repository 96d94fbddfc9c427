#include "app/SceneUpdate.h"

#include "app/Cursor.h"
#include "app/FadeSwitch.h"
#include "app/Game.h"
#include "app/Latches.h"
#include "app/PlayerButtons.h"
#include "app/Victory.h"
#include "audio/Audio.h"
#include "editor/MapEditor.h"
#include "fighters/PlayersTick.h"
#include "match/Camera.h"
#include "render/hud/Hud.h"
#include "world/FightStep.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "menus/MenuRooms.h"
#include "menus/OptionsScreen.h"
#include "menus/PauseMenu.h"
#include "replay/FightRecording.h"
#include "screens/CustomMapScreen.h"
#include "screens/OnlineMenu.h"
#include "screens/SplashScreen.h"
#include "screens/TitleScreen.h"

namespace {

constexpr int pauseButton = 8;  // a controller's Start

}  // namespace

void sampleButtons(Game& game, FightInput inputs[2])
{
    for (int i = 0; i < 2; ++i) {
        InputController& c = game.world.players[i].input;
        inputs[i] = fighterButtons(game, i);
        if (!game.input.buttonDown(c.joystick, pauseButton))
            c.pauseLatch = false;
    }
}

void tickPlayers(Game& game)
{
    FightInput inputs[2];
    sampleButtons(game, inputs);
    playersTick(game.world, inputs);
}

namespace {

// The steps the three rooms share before their own prompts and switch.
void walkRoom(Game& game)
{
    setCursorVisible(game, false);
    tickPlayers(game);
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
    // 1. Cursor, menu music.
    setCursorVisible(game, false);
    stopIfPlaying("MENU");
    // 2. A pad A held through the fight cannot start a rematch on the result screen.
    if (game.input.buttonDown(0, buttonA))
        game.latchA = true;
    // 3. The fight's rules with each fighter's buttons, then the HUD.
    FightInput inputs[2];
    sampleButtons(game, inputs);
    noteFightInputs(game, inputs);
    runFightRules(game.world, inputs);
    hudUpdate(game);
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
    case SceneState::OnlineMenu:
        setCursorVisible(game, false);
        updateOnlineMenu(game.onlineMenu);
        break;
    }
}
