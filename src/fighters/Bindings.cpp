#include "fighters/Bindings.h"

#include "app/Game.h"
#include "resources/Paths.h"

#include <SFML/Window/Keyboard.hpp>

#include <algorithm>
#include <iostream>
#include <sstream>

namespace {

const char* const bindsReadPath = "assets/settings/Binds.txt";
const char* const bindsWritePath = "assets/settings/binds.txt";

// The bindings the game ships with (the same as its seeded binds file): two
// players on one keyboard, each with a controller of the same layout.
// Buttons: Jump A (0), Attack X (2), Parry B (1), Skill Y (3), Use Item RB (5).
const int defaultButtons[buttonActionCount] = {0, 2, 1, 3, 5};
const int defaultKeys[2][keyActionCount] = {
    {sf::Keyboard::A, sf::Keyboard::D, sf::Keyboard::W, sf::Keyboard::J, sf::Keyboard::K, sf::Keyboard::L,
     sf::Keyboard::I},
    {sf::Keyboard::Left, sf::Keyboard::Right, sf::Keyboard::Up, sf::Keyboard::Numpad1, sf::Keyboard::Numpad2,
     sf::Keyboard::Numpad3, sf::Keyboard::Numpad5},
};

BindingTable& tableOf(Player& player)
{
    return player.input->bindings;
}

// Reads 5 buttons then 7 keys; false when the text runs out or is not a number.
bool readTable(std::istream& in, BindingTable& table)
{
    table.buttons.assign(buttonActionCount, 0);
    table.keys.assign(keyActionCount, 0);
    for (int& button : table.buttons)
        if (!(in >> button))
            return false;
    for (int& key : table.keys)
        if (!(in >> key))
            return false;
    return true;
}

void writeLine(std::ostringstream& out, const std::vector<int>& values, int count)
{
    for (int i = 0; i < count && i < static_cast<int>(values.size()); ++i)
        out << values[static_cast<std::size_t>(i)] << ' ';
    out << '\n';
}

}  // namespace

BindingTable defaultBindings(int playerIndex)
{
    const int row = playerIndex == 0 ? 0 : 1;
    BindingTable table;
    table.buttons.assign(std::begin(defaultButtons), std::end(defaultButtons));
    table.keys.assign(std::begin(defaultKeys[row]), std::end(defaultKeys[row]));
    return table;
}

void loadBindings(Game& game)
{
    BindingTable read[2];
    std::string text;
    bool complete = false;
    if (!readWholeFile(bindsReadPath, text)) {
        std::cout << "Load error";
    } else {
        std::istringstream in(text);
        complete = readTable(in, read[0]) && readTable(in, read[1]);
    }
    for (int i = 0; i < 2; ++i)
        tableOf(game.players[i]) = complete ? read[i] : defaultBindings(i);
}

std::string bindingsText(const BindingTable& first, const BindingTable& second)
{
    std::ostringstream out;
    for (const BindingTable* table : {&first, &second}) {
        writeLine(out, table->buttons, buttonActionCount);
        writeLine(out, table->keys, keyActionCount);
    }
    return out.str();
}

void saveBindings(const Game& game)
{
    const std::string text = bindingsText(game.players[0].input->bindings, game.players[1].input->bindings);
    if (!writeFileAtomically(bindsWritePath, text))
        std::cout << "file error\n";
}

bool keyBelongsToPlayer(const Player& player, int key)
{
    if (key < 0 || key >= sf::Keyboard::KeyCount)
        return false;
    const std::vector<int>& keys = player.input->bindings.keys;
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void noteKeyPressed(Game& game, int key)
{
    for (Player& player : game.players)
        if (keyBelongsToPlayer(player, key))
            player.keyboardMode = true;
}

void noteJoystickEvent(Game& game, unsigned joystick)
{
    if (game.state == SceneState::Fight && joystick < 2)
        game.players[joystick].keyboardMode = false;
}
