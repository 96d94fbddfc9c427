#include "fighters/Bindings.h"

#include "app/Game.h"
#include "fighters/BindsFile.h"
#include "resources/TextFile.h"
#include "settings/PlayerFile.h"

#include <SFML/Window/Keyboard.hpp>

#include <algorithm>
#include <iostream>

namespace {

BindingTable& tableOf(Player& player)
{
    return player.input.bindings;
}

}  // namespace

void loadBindings(Game& game)
{
    BindsRecord record;
    const bool read = readBindsFile(game.keyNames, record);
    reportProblems(shownPath(bindsReadPath), record.problems);
    game.playerFiles.binds.damaged = read && !record.problems.empty();
    for (int i = 0; i < 2; ++i)
        tableOf(game.world.players[i]) = record.players[i];
}

void saveBindings(Game& game)
{
    const std::string text = bindingsText(game.world.players[0].input.bindings, game.world.players[1].input.bindings);
    if (savePlayerFile(bindsWritePath, text, game.playerFiles.binds) == SaveOutcome::Failed)
        std::cout << "file error\n";
}

bool keyBelongsToPlayer(const Player& player, int key)
{
    if (key < 0 || key >= sf::Keyboard::KeyCount)
        return false;
    const std::vector<int>& keys = player.input.bindings.keys;
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void noteKeyPressed(Game& game, int key)
{
    for (Player& player : game.world.players)
        if (keyBelongsToPlayer(player, key))
            player.keyboardMode = true;
}

void noteJoystickEvent(Game& game, unsigned joystick)
{
    if (game.state == SceneState::Fight && joystick < 2)
        game.world.players[joystick].keyboardMode = false;
}
