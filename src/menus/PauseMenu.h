#pragma once

#include "world/GameTime.h"
#include "app/SceneState.h"
#include "resources/Button.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

namespace sf { class RenderTarget; }
struct Game;

constexpr int pauseButtonCount = 3;
enum PauseButton { ResumeButton = 0, OptionsButton = 1, ExitButton = 2 };

// The pause menu over the frozen scene it paused: resume, options, and a way
// out of the paused scene (to the title from a room, to the hub from a fight).
struct PauseMenu {
    SceneState returnState = SceneState::MainHub;
    Game* game = nullptr;
    sf::RectangleShape dimmer;
    Button buttons[pauseButtonCount];
    const sf::Texture* exitTextures[2] = {nullptr, nullptr};  // "title screen", "main menu"
    GameClock navClock;  // paces the stick (menus' clock)
    int selected = 0;    // the stick's button; -1 once the mouse took over
    // Controllers 0 and 1 as last seen, and a loss not yet answered by a pause.
    bool padConnected[2] = {false, false};
    bool padLost[2] = {false, false};
    // The paused scene under the dimmer stands still: it is drawn once and
    // kept (in the screen layer) while the menu shows.
    bool sceneKept = false;
};

void initPauseMenu(PauseMenu& menu, Game& game);
// Opens the pause menu over `paused`. A room whose curtain is falling towards
// its switch is not paused (the switch would be lost). True if it opened.
bool pauseFrom(Game& game, SceneState paused);
// The states the pause menu stands over, during which the world stands still.
bool worldPaused(const Game& game);
// A controller that was plugged in and is gone pauses a room or a running
// fight (its player could no longer move or leave); a pad plugged back in
// can resume. Run every frame.
void pauseOnLostPad(Game& game);

void updatePause(PauseMenu& menu);
// The dimmer, then the heading, buttons and fighter cards over it.
void drawPause(PauseMenu& menu, sf::RenderTarget& target);
void drawPauseOverDimmer(PauseMenu& menu, sf::RenderTarget& target);
// Mouse positions are points of the 1920 x 1080 logical screen.
void onMouseMoved(PauseMenu& menu, sf::Vector2f mouse);
void onMousePressed(PauseMenu& menu, sf::Vector2f mouse, sf::Mouse::Button button);
void onJoystick(PauseMenu& menu, const sf::Event& event);

// The pause menu's options button: the options screen, returning here.
void openOptions(Game& game);
// The exit button: a fight is given up for the hub, a room for the title.
void leavePausedScene(Game& game);
