#pragma once

#include "app/SceneState.h"
#include "menus/KeyBindingScreen.h"

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

struct Game;

// The options screen; it owns the key-binding screen.
struct OptionsScreen {
    KeyBindingScreen keyBindingScreen;
    SceneState returnState = SceneState::Pause;
    Game* game = nullptr;
};

void initOptions(OptionsScreen& options, Game& game);
void updateOptions(OptionsScreen& options);
void drawOptions(OptionsScreen& options);
// Mouse positions are points of the 1920 x 1080 logical screen.
void onMouseMoved(OptionsScreen& options, sf::Vector2f mouse);
void onMousePressed(OptionsScreen& options, sf::Vector2f mouse);
void onJoystick(OptionsScreen& options, const sf::Event& event);
