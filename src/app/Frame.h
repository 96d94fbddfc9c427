#pragma once

#include <SFML/Window/Event.hpp>

#include <vector>

struct Game;

// One iteration of the frame loop, after `frameTime` was measured (the program)
// or chosen (tests): advance the game's clock (a frame counts at most 0.25 s),
// route the events, update (long frames of the rooms and the fight in
// sub-steps), and, when `drawFrame` is set, clear, draw and present the window.
void runFrame(Game& game, float frameTime, const std::vector<sf::Event>& events, bool drawFrame = true);

// Routes one window event to the handler of the current scene.
void routeEvent(Game& game, const sf::Event& event);

// The per-frame scene update and scene draw, dispatched on `game.state`.
void update(Game& game);
void draw(Game& game);

// Event handlers of the scene machine.
void onKeyPressed(Game& game, const sf::Event::KeyEvent& key);
void onJoystick(Game& game, const sf::Event& event);
void onTextEntered(Game& game, unsigned codePoint);
