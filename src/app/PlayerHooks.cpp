#include "app/PlayerHooks.h"

#include "fighters/Player.h"

// The fighter record does not carry its position, velocity and key table yet:
// these answer "at the origin", "not moving" and "not its key" until it does.
sf::Vector2f playerPosition(const Player&)
{
    return sf::Vector2f();
}

void placePlayer(Player&, sf::Vector2f)
{
}

void stopPlayer(Player&)
{
}

bool isPlayerKey(const Player&, sf::Keyboard::Key)
{
    return false;
}
