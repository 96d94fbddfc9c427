#include "menus/OptionsScreen.h"

#include "app/Game.h"
#include "app/Latches.h"
#include "audio/Audio.h"
#include "menus/MenuNavigation.h"
#include "menus/BackLine.h"
#include "render/FrameTarget.h"
#include "render/Layers.h"
#include "resources/Caption.h"
#include "resources/Loading.h"

namespace {

const float buttonPressTime = 0.2f;  // s the pressed frame shows
// Items stand at these fractions of the screen height, top to bottom.
const float fullscreenHeightDivisor = 3.2f;
const float effectsHeightDivisor = 2.f;
const float musicHeightDivisor = 1.5f;
const float keyBindingsHeightDivisor = 1.25f;
const char* const windowedPicture = "Assets/Sprites/Options/windowedButton.png";
const char* const fullscreenPicture = "Assets/Sprites/Options/fullScreenButton.png";
const char* const keyBindingsPicture = "Assets/Sprites/Options/keybindsbutton.png";
const unsigned titleSize = 72;      // px
const unsigned stateSize = 36;      // px, the full-screen state over its button
const float titleY = 120.f;         // px
const float stateAboveButton = 78.f;  // px from the button's centre up

Button makeButton(const char* picture, sf::Vector2f position)
{
    Button button(picture, position, 3);
    prepareButton(button, stripFrameSize(button), buttonPressTime);
    return button;
}

void toggleFullscreen(Game& game)
{
    game.fullscreen = !game.fullscreen;
    createWindow(game);
}

void openKeyBindings(OptionsScreen& options)
{
    stopDragging(options);
    options.game->state = SceneState::KeyBindings;
}

// A press on a track takes hold of its knob; a press elsewhere lets go.
void grabKnob(Slider& slider, sf::Vector2f mouse, sf::Mouse::Button button)
{
    slider.dragging = button == sf::Mouse::Left && trackContains(slider, mouse);
    if (slider.dragging)
        playSound("CONFIRM", 100.f);
}

}  // namespace

void initOptions(OptionsScreen& options, Game& game)
{
    options.game = &game;
    const float x = game.resolution.x / 2.f;
    const float height = game.resolution.y;
    initSlider(options.sfxSlider, game, {x, height / effectsHeightDivisor}, "Sound Effect Volume", audio().sfxVolume);
    initSlider(options.musicSlider, game, {x, height / musicHeightDivisor}, "Music Volume", audio().musicVolume);
    options.fullscreenButton = makeButton(fullscreenPicture, {x, height / fullscreenHeightDivisor});
    options.keyBindingsButton = makeButton(keyBindingsPicture, {x, height / keyBindingsHeightDivisor});
    options.fullscreenTextures[0] = loadSprite(windowedPicture, false, false).getTexture();
    options.fullscreenTextures[1] = options.fullscreenButton.sprite.getTexture();
    options.navClock.restart(game.menuTime);
    initKeyBindingScreen(options.keyBindingScreen, game);
}

void updateOptions(OptionsScreen& options)
{
    Game& game = *options.game;
    // 1-2. The volumes follow the sliders; the paused scene's track plays on at once.
    audio().sfxVolume = options.sfxSlider.value;
    audio().musicVolume = options.musicSlider.value;
    playOnlyMusic(game.pauseMenu.returnState == SceneState::Fight ? "JUNGLE" : "MENU", 100.f);
    // 3. Drags and stick steps.
    updateSlider(options.sfxSlider, options.selected, EffectsItem);
    updateSlider(options.musicSlider, options.selected, MusicItem);
    // 4-6. The buttons' pictures.
    if (options.selected != -1) {
        options.fullscreenButton.hovered = options.selected == FullscreenItem;
        options.keyBindingsButton.hovered = options.selected == KeyBindingsItem;
    }
    const sf::Texture* mode = options.fullscreenTextures[game.fullscreen ? 1 : 0];
    if (mode && options.fullscreenButton.sprite.getTexture() != mode)
        options.fullscreenButton.sprite.setTexture(*mode);
    for (Button* button : {&options.fullscreenButton, &options.keyBindingsButton})
        animateButton(button->animator, button->sprite, button->hovered, button->clicked, game.frameTime);
}

void drawOptions(OptionsScreen& options, FrameTarget& frame)
{
    Game& game = *options.game;
    sf::RenderTarget& target = *frame.target;
    aimAtScreen(frame, game);
    // The backdrop covers the screen: it replaces the window's pixels rather
    // than blending over them.
    target.draw(game.backgroundLayerSprite, sf::RenderStates(sf::BlendNone));
    drawSlider(options.sfxSlider, target);
    drawSlider(options.musicSlider, target);
    target.draw(options.fullscreenButton.sprite);
    target.draw(options.keyBindingsButton.sprite);
    const float middle = game.resolution.x / 2.f;
    drawCaption(target, game.font, "OPTIONS", titleSize, {middle, titleY});
    drawCaption(target, game.font, game.fullscreen ? "FULL SCREEN: ON" : "FULL SCREEN: OFF", stateSize,
                {middle, options.fullscreenButton.position.y - stateAboveButton});
    drawBackLine(target, game);
}

void onMouseMoved(OptionsScreen& options, sf::Vector2f mouse)
{
    options.selected = -1;
    Button* const buttons[2] = {&options.fullscreenButton, &options.keyBindingsButton};
    hoverButtons(buttons, 2, mouse);
    if (!options.game->input.mouseButtons[sf::Mouse::Left])
        stopDragging(options);
}

void onMousePressed(OptionsScreen& options, sf::Vector2f mouse, sf::Mouse::Button button)
{
    Game& game = *options.game;
    if (buttonContains(options.fullscreenButton, mouse)) {
        playSound("CONFIRM", 100.f);
        options.fullscreenButton.clicked = true;
        toggleFullscreen(game);
    }
    if (buttonContains(options.keyBindingsButton, mouse)) {
        playSound("CONFIRM", 100.f);
        options.keyBindingsButton.clicked = true;
        openKeyBindings(options);
        return;
    }
    grabKnob(options.sfxSlider, mouse, button);
    grabKnob(options.musicSlider, mouse, button);
}

void onJoystick(OptionsScreen& options, const sf::Event&)
{
    Game& game = *options.game;
    stepSelectionByStick(game, options.navClock, options.selected, optionsItemCount);
    if (game.input.buttonDown(menuPad, buttonA) && !game.latchA) {
        playSound("CONFIRM", 100.f);
        game.latchA = true;
        if (options.selected == FullscreenItem)
            toggleFullscreen(game);
        else if (options.selected == KeyBindingsItem)
            openKeyBindings(options);
    }
    if (game.input.buttonDown(menuPad, buttonB) && !game.latchB) {
        playSound("CONFIRM", 100.f);
        game.latchB = true;
        leaveOptions(options);
    }
}

void leaveOptions(OptionsScreen& options)
{
    stopDragging(options);
    options.game->state = options.returnState;
}

void stopDragging(OptionsScreen& options)
{
    options.sfxSlider.dragging = false;
    options.musicSlider.dragging = false;
}
