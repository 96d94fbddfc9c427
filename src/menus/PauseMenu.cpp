#include "menus/PauseMenu.h"

#include "app/Game.h"
#include "app/Latches.h"
#include "audio/Audio.h"
#include "render/hud/Hud.h"
#include "app/MatchReset.h"
#include "match/MatchFlow.h"
#include "menus/MenuNavigation.h"
#include "menus/MenuRooms.h"
#include "menus/OptionsScreen.h"
#include "render/Layers.h"
#include "resources/Caption.h"
#include "resources/Loading.h"

namespace {

const sf::Color dimmerColour(0, 0, 0, 120);
const float buttonPressTime = 0.2f;  // s the pressed frame shows
// The buttons stand at these fractions of the screen height: 1/2.5, 1/2, 1/1.5.
const float buttonHeightDivisors[pauseButtonCount] = {2.5f, 2.f, 1.5f};
const char* const buttonPictures[pauseButtonCount] = {
    "Assets/Sprites/Pause/ResumeButton.png",
    "Assets/Sprites/Pause/OptionsButton.png",
    "Assets/Sprites/Pause/titleScreenButton.png",
};
const char* const mainMenuPicture = "Assets/Sprites/Pause/mainmenubutton.png";
const unsigned headingSize = 96;          // px
const float headingY = 300.f;             // px, above the resume button

bool isRoom(SceneState state)
{
    return state == SceneState::MainHub || state == SceneState::ModeSelect || state == SceneState::MapSelect;
}

// The states a lost controller may pause: the rooms and a fight past its countdown.
bool pausable(const Game& game)
{
    return isRoom(game.state) || (game.state == SceneState::Fight && game.world.match.fightLive);
}

void resume(Game& game)
{
    game.state = game.pauseMenu.returnState;
}

void pressButton(PauseMenu& menu, int index)
{
    Game& game = *menu.game;
    playSound("CONFIRM", 100.f);
    menu.buttons[index].clicked = true;
    if (index == ResumeButton)
        resume(game);
    else if (index == OptionsButton)
        openOptions(game);
    else
        leavePausedScene(game);
}

}  // namespace

void initPauseMenu(PauseMenu& menu, Game& game)
{
    menu.game = &game;
    menu.dimmer.setSize(game.resolution);
    menu.dimmer.setPosition(0.f, 0.f);
    menu.dimmer.setFillColor(dimmerColour);
    for (int i = 0; i < pauseButtonCount; ++i) {
        Button& button = menu.buttons[i];
        button = Button(buttonPictures[i],
                        sf::Vector2f(game.resolution.x / 2.f, game.resolution.y / buttonHeightDivisors[i]), 3);
        prepareButton(button, stripFrameSize(button), buttonPressTime);
    }
    menu.exitTextures[0] = menu.buttons[ExitButton].sprite.getTexture();
    menu.exitTextures[1] = loadSprite(mainMenuPicture, false, false).getTexture();
    menu.selected = 0;
    menu.navClock.restart(game.menuTime);
}

bool pauseFrom(Game& game, SceneState paused)
{
    if (isRoom(paused) && roomCurtainFalling(game))
        return false;
    game.pauseMenu.returnState = paused;
    game.state = SceneState::Pause;
    return true;
}

bool worldPaused(const Game& game)
{
    return game.state == SceneState::Pause || game.state == SceneState::Options ||
           game.state == SceneState::KeyBindings;
}

void pauseOnLostPad(Game& game)
{
    PauseMenu& menu = game.pauseMenu;
    for (int pad = 0; pad < 2; ++pad) {
        const bool connected = game.input.joystickConnected(pad);
        if (menu.padConnected[pad] && !connected)
            menu.padLost[pad] = true;
        if (connected)
            menu.padLost[pad] = false;
        menu.padConnected[pad] = connected;
    }
    // A loss during a countdown or a falling curtain waits for a pausable moment.
    if ((menu.padLost[0] || menu.padLost[1]) && pausable(game) && pauseFrom(game, game.state))
        menu.padLost[0] = menu.padLost[1] = false;
}

void updatePause(PauseMenu& menu)
{
    Game& game = *menu.game;
    Button& exit = menu.buttons[ExitButton];
    const sf::Texture* exitPicture = menu.exitTextures[menu.returnState == SceneState::Fight ? 1 : 0];
    if (exitPicture && exit.sprite.getTexture() != exitPicture)
        exit.sprite.setTexture(*exitPicture);
    for (int i = 0; i < pauseButtonCount; ++i) {
        Button& button = menu.buttons[i];
        if (menu.selected != -1)
            button.hovered = i == menu.selected;
        animateButton(button.animator, button.sprite, button.hovered, button.clicked, game.frameTime);
    }
}

void drawPause(PauseMenu& menu, sf::RenderTarget& target)
{
    target.draw(menu.dimmer);
    drawPauseOverDimmer(menu, target);
}

void drawPauseOverDimmer(PauseMenu& menu, sf::RenderTarget& target)
{
    drawCaption(target, menu.game->font, "PAUSED", headingSize, sf::Vector2f(menu.game->resolution.x / 2.f, headingY));
    for (const Button& button : menu.buttons)
        target.draw(button.sprite);
    // The fighter cards (and the off-screen markers of a room) stay in sight.
    hudDrawRoom(*menu.game, target);
}

void onMouseMoved(PauseMenu& menu, sf::Vector2f mouse)
{
    menu.selected = -1;
    Button* const buttons[pauseButtonCount] = {&menu.buttons[0], &menu.buttons[1], &menu.buttons[2]};
    hoverButtons(buttons, pauseButtonCount, mouse);
}

void onMousePressed(PauseMenu& menu, sf::Vector2f mouse, sf::Mouse::Button button)
{
    if (button != sf::Mouse::Left)
        return;
    for (int i = 0; i < pauseButtonCount; ++i)
        if (buttonContains(menu.buttons[i], mouse))
            pressButton(menu, i);
}

void onJoystick(PauseMenu& menu, const sf::Event&)
{
    Game& game = *menu.game;
    stepSelectionByStick(game, menu.navClock, menu.selected, pauseButtonCount);
    if (game.input.buttonDown(menuPad, buttonA) && !game.latchA) {
        game.latchA = true;
        if (menu.selected >= 0 && menu.selected < pauseButtonCount)
            pressButton(menu, menu.selected);
        else
            playSound("CONFIRM", 100.f);
        return;
    }
    const bool start = game.input.buttonDown(0, buttonStart) || game.input.buttonDown(1, buttonStart);
    if (start && !game.latchStart) {
        game.latchStart = true;
        resume(game);
    }
}

void openOptions(Game& game)
{
    game.options.returnState = SceneState::Pause;
    stopDragging(game.options);
    game.state = SceneState::Options;
    aimAtScreen(game.hudLayer);
}

void leavePausedScene(Game& game)
{
    const SceneState paused = game.pauseMenu.returnState;
    if (paused == SceneState::Fight) {
        game.customMapChosen = false;
        stopMusic("JUNGLE");
        resetMatch(game);
        game.state = SceneState::MainHub;
        game.world.players[0].advancing = true;
        pauseAllMusic();
        aimAtScreen(game.hudLayer);
    } else if (isRoom(paused)) {
        game.state = SceneState::Title;
    }
}
