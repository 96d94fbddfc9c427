#pragma once

#include "resources/TextFile.h"
#include "settings/PlayerFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Who plays each fighter: a person at the keyboard or pad, or the computer at
// one of three strengths. Kept from one run to the next in
// "assets/settings/Players.txt": one word per line, P1 then P2, each one of
// "person", "easy", "normal" or "hard".

enum class Strength : std::uint8_t { Easy, Normal, Hard };

struct PlayerControl {
    bool computer = false;
    Strength strength = Strength::Easy;  // read only when `computer`

    friend bool operator==(PlayerControl a, PlayerControl b)
    {
        return a.computer == b.computer && (!a.computer || a.strength == b.strength);
    }
    friend bool operator!=(PlayerControl a, PlayerControl b) { return !(a == b); }
};

// Both players' choices and how their file is saved back.
struct PlayerControls {
    std::array<PlayerControl, 2> players{};
    PlayerFileState file;
};

extern const char* const playerControlsPath;

// The card's cycle: person -> EASY -> NORMAL -> HARD -> person.
PlayerControl nextControl(PlayerControl control);
// What the player's card shows: "PERSON", "CPU EASY", "CPU NORMAL" or "CPU HARD".
const char* controlLabel(PlayerControl control);
// The file's word for a control ("person", "easy", ...) and back; false for
// any other word.
const char* controlWord(PlayerControl control);
bool parseControlWord(std::string_view word, PlayerControl& control);
// The word for a strength alone ("easy", "normal", "hard"); false for others.
bool parseStrengthWord(std::string_view word, Strength& strength);

// Reads both choices; anything wrong in the text (a strange word, a missing
// or an extra line) leaves two persons and says where.
Problems parsePlayerControls(std::string_view text, std::array<PlayerControl, 2>& players);
std::string formatPlayerControls(const std::array<PlayerControl, 2>& players);

// The file itself. A missing file is no problem (two persons, said nowhere:
// the file is new); a bad one is said as "<file>:<line>: ..." on standard
// error and kept as "Players.txt.bad" when it is replaced at exit.
void loadPlayerControls(PlayerControls& controls);
void savePlayerControls(PlayerControls& controls);
