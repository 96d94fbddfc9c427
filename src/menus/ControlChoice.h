#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

struct Game;

// Who plays each fighter, chosen in the menu rooms: F1 steps P1's side and F2
// P2's through person, EASY, NORMAL, HARD; on a pad, Back on the first pad
// steps P2's side (the pad of a person playing alone against the computer).
constexpr sf::Keyboard::Key p1ControlKey = sf::Keyboard::F1;
constexpr sf::Keyboard::Key p2ControlKey = sf::Keyboard::F2;
constexpr unsigned controlPadButton = 6;  // Back on an Xbox-style pad

// On a key event: while a control key is held, its player's choice steps on.
void cycleControlByKey(Game& game);
// On a pad event: a fresh press of Back on the first pad steps P2's choice.
void cycleControlByPad(Game& game, const sf::Event& event);
