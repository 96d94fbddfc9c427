#include "fighters/BindsFile.h"

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <iostream>
#include <sstream>

const char* const bindsReadPath = "assets/settings/Binds.txt";
const char* const bindsWritePath = "assets/settings/binds.txt";

namespace {

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

const char* const keyActionNames[keyActionCount] = {"Move Left", "Move Right", "Jump", "Attack",
                                                    "Parry",     "Skill",      "Use Item"};
const char* const buttonActionNames[buttonActionCount] = {"Jump", "Attack", "Parry", "Skill", "Use Item"};

// One group of the file: a player's buttons or keys.
struct Group {
    std::vector<int>& values;
    const std::vector<std::string>& names;
    const char* const* actions;
    int codeCount;      // codes 0 .. codeCount - 1 exist
    const char* kind;   // "key code" or "controller button"
    const char* device; // "" for keys, " button" for buttons
};

void readGroup(WordScanner& words, int player, const Group& group, Problems& problems)
{
    for (std::size_t i = 0; i < group.values.size(); ++i) {
        int& binding = group.values[i];
        const std::string keeps = " P" + std::to_string(player + 1) + " " + group.actions[i] + group.device +
                                  " keeps " + displayName(group.names, binding);
        Word word;
        if (!words.next(word)) {
            problems.push_back({words.line(), std::string("the file ends before its ") + group.kind + ";" + keeps});
            continue;
        }
        int code = 0;
        if (!parseIntWord(word.text, code))
            problems.push_back({word.line, quotedWord(word.text) + " is not a " + group.kind + ";" + keeps});
        else if (code < 0 || code >= group.codeCount)
            problems.push_back({word.line, quotedWord(word.text) + " is no " + group.kind + " (0 to " +
                                               std::to_string(group.codeCount - 1) + ");" + keeps});
        else
            binding = code;
    }
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

BindsRecord parseBindings(std::string_view text, const KeyNames& names)
{
    BindsRecord record;
    WordScanner words(text);
    for (int player = 0; player < 2; ++player) {
        BindingTable& table = record.players[player];
        table = defaultBindings(player);
        readGroup(words, player,
                  {table.buttons, names.buttons, buttonActionNames, static_cast<int>(sf::Joystick::ButtonCount),
                   "controller button", " button"},
                  record.problems);
        readGroup(words, player, {table.keys, names.keys, keyActionNames, sf::Keyboard::KeyCount, "key code", ""},
                  record.problems);
    }
    Word extra;
    if (words.next(extra))
        record.problems.push_back({extra.line, "everything after the 24th number is ignored"});
    return record;
}

bool readBindsFile(const KeyNames& names, BindsRecord& record)
{
    const bool read = readRecordFile(bindsReadPath, record, "both players get the default bindings", "Load error",
                                     [&names](std::string_view text) { return parseBindings(text, names); });
    if (!read)
        for (int i = 0; i < 2; ++i)
            record.players[i] = defaultBindings(i);
    return read;
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
