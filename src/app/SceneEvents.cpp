#include "app/Cursor.h"
#include "app/Frame.h"
#include "app/FightAssets.h"
#include "app/Game.h"
#include "app/Latches.h"
#include "audio/Audio.h"
#include "editor/MapEditor.h"
#include "fighters/Bindings.h"
#include "menus/MenuRooms.h"
#include "menus/OptionsScreen.h"
#include "menus/PauseMenu.h"
#include "screens/OnlineMenu.h"
#include "screens/TitleScreen.h"

namespace {

bool escapeDown(const Game& game)
{
    return game.input.keyDown(sf::Keyboard::Escape);
}

// The mode and map rooms: Enter confirms, Tab and keypad Add cycle the
// fighters, Escape pauses.
void roomKeyEvent(Game& game, MenuRoom& room, SceneState paused)
{
    roomKeys(room);
    if (escapeDown(game))
        pauseFrom(game, paused);
}

void keyEventInKeyBindings(Game& game, sf::Keyboard::Key key)
{
    KeyBindingScreen& screen = game.options.keyBindingScreen;
    if (key == sf::Keyboard::Escape && !screen.capturing)
        game.state = SceneState::Options;
    else
        onBindKey(screen, key);
}

unsigned joystickOf(const sf::Event& event)
{
    return event.type == sf::Event::JoystickMoved ? event.joystickMove.joystickId : event.joystickButton.joystickId;
}

bool startPressed(const Game& game)
{
    return game.input.buttonDown(0, buttonStart) || game.input.buttonDown(1, buttonStart);
}

// Start on pad 0 or 1 pauses the hub and the running fight, once per press.
bool pauseWithStart(Game& game, SceneState paused)
{
    if (!startPressed(game) || game.latchStart)
        return false;
    game.latchStart = true;
    return pauseFrom(game, paused);
}

void joystickInTitle(Game& game, const sf::Event& event)
{
    if (event.type != sf::Event::JoystickButtonPressed || game.latchA || game.latchB)
        return;
    // The press is consumed: a Start that left the title does not also pause
    // the hub it lands in, though the hub still sees the event.
    game.latchA = true;
    game.latchB = true;
    game.latchStart = true;
    enterHubFromTitle(game);
    onJoystick(game, event);
}

void joystickInMainHub(Game& game, const sf::Event& event)
{
    if (!pauseWithStart(game, SceneState::MainHub))
        hubButtons(game.mainHub, event);
}

void joystickInFight(Game& game, const sf::Event& event)
{
    if (game.world.match.fightLive && pauseWithStart(game, SceneState::Fight))
        return;
    noteJoystickEvent(game, joystickOf(event));
}

void joystickInCredits(Game& game)
{
    for (int pad = 0; pad < 2; ++pad) {
        if (game.input.buttonDown(pad, buttonB) && !game.latchB) {
            game.latchB = true;
            game.state = SceneState::MainHub;
        }
    }
}

}  // namespace

void onKeyPressed(Game& game, const sf::Event::KeyEvent& key)
{
    // Whose key it is plays on the keyboard from now on.
    noteKeyPressed(game, key.code);
    switch (game.state) {
    case SceneState::Title:
        enterHubFromTitle(game);
        break;
    case SceneState::MainHub:
        hubKeys(game.mainHub);
        if (escapeDown(game))
            pauseFrom(game, SceneState::MainHub);
        break;
    case SceneState::Editor:
        onKeyPressed(game.editor);
        break;
    case SceneState::Options:
        if (key.code == sf::Keyboard::Escape)
            leaveOptions(game.options);
        break;
    case SceneState::Credits:
        if (escapeDown(game))
            game.state = SceneState::MainHub;
        break;
    case SceneState::ModeSelect:
        roomKeyEvent(game, game.modeSelectRoom, SceneState::ModeSelect);
        break;
    case SceneState::MapSelect:
        roomKeyEvent(game, game.mapSelectRoom, SceneState::MapSelect);
        break;
    case SceneState::Fight:
        if (escapeDown(game) && game.world.match.fightLive)
            pauseFrom(game, SceneState::Fight);
        break;
    case SceneState::Pause:
        if (key.code == sf::Keyboard::Escape)
            game.state = game.pauseMenu.returnState;
        break;
    case SceneState::KeyBindings:
        keyEventInKeyBindings(game, key.code);
        break;
    case SceneState::OnlineMenu:
        onlineMenuKey(game.onlineMenu, key.code);
        break;
    case SceneState::Splash:
    case SceneState::CustomMapSelect:
    case SceneState::Victory:
        break;
    }
}

void onJoystick(Game& game, const sf::Event& event)
{
    setCursorVisible(game, false);
    switch (game.state) {
    case SceneState::Title:
        joystickInTitle(game, event);
        break;
    case SceneState::MainHub:
        joystickInMainHub(game, event);
        break;
    case SceneState::ModeSelect:
        roomButtons(game.modeSelectRoom, event);
        break;
    case SceneState::MapSelect:
        roomButtons(game.mapSelectRoom, event);
        break;
    case SceneState::Options:
        onJoystick(game.options, event);
        break;
    case SceneState::Fight:
        joystickInFight(game, event);
        break;
    case SceneState::Pause:
        onJoystick(game.pauseMenu, event);
        break;
    case SceneState::KeyBindings:
        onBindJoystick(game.options.keyBindingScreen, event);
        break;
    case SceneState::Credits:
        joystickInCredits(game);
        break;
    case SceneState::OnlineMenu:
        onlineMenuJoystick(game.onlineMenu, event);
        break;
    case SceneState::Splash:
    case SceneState::Editor:
    case SceneState::CustomMapSelect:
    case SceneState::Victory:
        break;
    }
}

void onTextEntered(Game& game, unsigned codePoint)
{
    if (game.state == SceneState::Editor && isNameDialog(game.editor.panel))
        onTextEntered(game.editor, codePoint);
    else if (game.state == SceneState::OnlineMenu)
        onlineMenuText(game.onlineMenu, codePoint);
}
