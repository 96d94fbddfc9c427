#pragma once

#include "app/SceneState.h"

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

struct Game;

// The pause menu over the frozen scene it paused.
struct PauseMenu {
    SceneState returnState = SceneState::MainHub;
    Game* game = nullptr;
};

void initPauseMenu(PauseMenu& menu, Game& game);
// Opens the pause menu over `paused`.
void pauseFrom(Game& game, SceneState paused);
void updatePause(PauseMenu& menu);
void drawPause(PauseMenu& menu);
// Mouse positions are points of the 1920 x 1080 logical screen.
void onMouseMoved(PauseMenu& menu, sf::Vector2f mouse);
void onMousePressed(PauseMenu& menu, sf::Vector2f mouse);
void onJoystick(PauseMenu& menu, const sf::Event& event);
