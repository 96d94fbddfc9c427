#pragma once

#include "world/GameTime.h"
#include "app/SceneState.h"
#include "menus/KeyBindingScreen.h"
#include "menus/Slider.h"
#include "resources/Button.h"

#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

struct FrameTarget;
struct Game;

// The stick's choices on the options screen, top to bottom.
enum OptionsItem { FullscreenItem = 0, EffectsItem = 1, MusicItem = 2, KeyBindingsItem = 3, optionsItemCount = 4 };

// The options screen: the two volume sliders, the full-screen switch and the
// way to the key-binding screen, which it owns.
struct OptionsScreen {
    KeyBindingScreen keyBindingScreen;
    SceneState returnState = SceneState::Pause;
    Game* game = nullptr;
    Slider sfxSlider, musicSlider;
    Button fullscreenButton, keyBindingsButton;
    const sf::Texture* fullscreenTextures[2] = {nullptr, nullptr};  // windowed, full screen
    GameClock navClock;  // paces the stick (menus' clock)
    int selected = 0;    // the stick's item (OptionsItem); -1 once the mouse took over
};

// After the settings file was read: the sliders start at the two volumes.
void initOptions(OptionsScreen& options, Game& game);
// Each frame: the volumes follow the sliders, only the paused scene's track
// plays (at the new music volume), the stick's choice and the buttons' pictures.
void updateOptions(OptionsScreen& options);
// Over the paused scene's backdrop, straight onto the frame.
void drawOptions(OptionsScreen& options, FrameTarget& frame);
// Mouse positions are points of the 1920 x 1080 logical screen.
void onMouseMoved(OptionsScreen& options, sf::Vector2f mouse);
void onMousePressed(OptionsScreen& options, sf::Vector2f mouse, sf::Mouse::Button button);
void onJoystick(OptionsScreen& options, const sf::Event& event);
// Back to where the options were opened from (Escape, pad B).
void leaveOptions(OptionsScreen& options);
// Ends any drag of a slider's knob: a drag never outlives the screen.
void stopDragging(OptionsScreen& options);
