#pragma once

#include "fighters/Player.h"

#include <SFML/Window/Keyboard.hpp>

struct Game;

// The fighter kinds the rooms offer: 0 Napollo, 1 Atoola, 2 Gigachill.
constexpr int offeredKinds = 3;
// The direction pad's horizontal axis and how far it must be pushed.
constexpr int dpadAxis = 6;             // sf::Joystick::PovX
constexpr float dpadThreshold = 30.f;   // of 100
// A held direction pad steps the choice once per this many seconds.
constexpr float choiceRepeat = 0.25f;   // s

// The next and the previous offered kind (any other kind leads back into the offer).
int nextOfferedKind(int kind);
int previousOfferedKind(int kind);

// On a key event: while `key` is held, the player's fighter steps forward.
void cycleFighterByKey(Game& game, sf::Keyboard::Key key, Player& player);
// On a joystick event: each pad's direction pad, held right or left, steps its
// player's fighter forward or back, once per choiceRepeat.
void cycleFighterByPad(Game& game);
