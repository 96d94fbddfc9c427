#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Keyboard.hpp>

struct Player;

// The few things the scene machine asks of a fighter: where it stands, to put
// it somewhere, to stop it, and whether a key is one of its bindings. They
// read and write the fighter record and its binding table.
sf::Vector2f playerPosition(const Player& player);
void placePlayer(Player& player, sf::Vector2f centre);
void stopPlayer(Player& player);
bool isPlayerKey(const Player& player, sf::Keyboard::Key key);
