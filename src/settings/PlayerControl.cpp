#include "settings/PlayerControl.h"

#include "resources/Paths.h"

#include <iostream>

const char* const playerControlsPath = "assets/settings/Players.txt";

namespace {

struct ControlName {
    PlayerControl control;
    const char* word;
    const char* label;
};

const ControlName controlNames[] = {
    {{false, Strength::Easy}, "person", "PERSON"},
    {{true, Strength::Easy}, "easy", "CPU EASY"},
    {{true, Strength::Normal}, "normal", "CPU NORMAL"},
    {{true, Strength::Hard}, "hard", "CPU HARD"},
};
constexpr int controlNameCount = 4;

int nameIndex(PlayerControl control)
{
    for (int i = 0; i < controlNameCount; ++i)
        if (controlNames[i].control == control)
            return i;
    return 0;
}

}  // namespace

PlayerControl nextControl(PlayerControl control)
{
    return controlNames[(nameIndex(control) + 1) % controlNameCount].control;
}

const char* controlLabel(PlayerControl control)
{
    return controlNames[nameIndex(control)].label;
}

const char* controlWord(PlayerControl control)
{
    return controlNames[nameIndex(control)].word;
}

bool parseControlWord(std::string_view word, PlayerControl& control)
{
    for (const ControlName& name : controlNames)
        if (word == name.word) {
            control = name.control;
            return true;
        }
    return false;
}

bool parseStrengthWord(std::string_view word, Strength& strength)
{
    PlayerControl control;
    if (!parseControlWord(word, control) || !control.computer)
        return false;
    strength = control.strength;
    return true;
}

Problems parsePlayerControls(std::string_view text, std::array<PlayerControl, 2>& players)
{
    Problems problems;
    std::array<PlayerControl, 2> read{};
    WordScanner words(text);
    Word word;
    for (std::size_t i = 0; i < read.size() && problems.empty(); ++i) {
        if (!words.next(word))
            problems.push_back({words.line(), "the line for P" + std::to_string(i + 1) + " is missing"});
        else if (word.line != static_cast<int>(i) + 1 || !parseControlWord(word.text, read[i]))
            problems.push_back({word.line, quotedWord(word.text) + " is not person, easy, normal or hard on line " +
                                               std::to_string(i + 1) + " (P" + std::to_string(i + 1) + ")"});
    }
    if (problems.empty() && words.next(word))
        problems.push_back({word.line, quotedWord(word.text) + " follows the two players"});
    if (!problems.empty()) {
        problems.back().what += "; both fighters are played by persons";
        read = {};
    }
    players = read;
    return problems;
}

std::string formatPlayerControls(const std::array<PlayerControl, 2>& players)
{
    std::string text;
    for (const PlayerControl& control : players)
        text += std::string(controlWord(control)) + '\n';
    return text;
}

void loadPlayerControls(PlayerControls& controls)
{
    Problems problems;
    const TextFile file = readTextFile(playerControlsPath, problems, "both fighters are played by persons");
    controls.players = {};
    if (file.status == TextFileStatus::Missing)
        return;  // not written yet: two persons, nothing to say
    if (file.status == TextFileStatus::Read) {
        const Problems found = parsePlayerControls(file.text, controls.players);
        problems.insert(problems.end(), found.begin(), found.end());
    }
    reportProblems(shownPath(playerControlsPath), problems);
    controls.file.damaged = file.status == TextFileStatus::Read && !problems.empty();
}

void savePlayerControls(PlayerControls& controls)
{
    savePlayerFile(playerControlsPath, formatPlayerControls(controls.players), controls.file);
}
