#include "menus/PauseMenu.h"

#include "app/Game.h"

void initPauseMenu(PauseMenu& menu, Game& game)
{
    menu.game = &game;
}

void pauseFrom(Game& game, SceneState paused)
{
    game.pauseMenu.returnState = paused;
    game.state = SceneState::Pause;
}

// Placeholders until the pause menu is written.
void updatePause(PauseMenu&) {}
void drawPause(PauseMenu&) {}
void onMouseMoved(PauseMenu&, sf::Vector2f) {}
void onMousePressed(PauseMenu&, sf::Vector2f) {}
void onJoystick(PauseMenu&, const sf::Event&) {}
