#include "fighters/Bindings.h"

#include "fighters/Player.h"

#include <SFML/Window/Keyboard.hpp>

#include <algorithm>



bool keyBelongsToPlayer(const Player& player, int key)
{
    if (key < 0 || key >= sf::Keyboard::KeyCount)
        return false;
    const std::vector<int>& keys = player.input.bindings.keys;
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}


