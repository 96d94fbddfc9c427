#pragma once

#include "fighters/Character.h"
#include "resources/TextFile.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

extern const char* const rosterPath;

// The roster as read: one character file path per slot, in slot order. A
// refused path (absolute, "..") is kept as "" so the slots keep their places.
struct RosterRecord {
    std::vector<std::string> files;
    Problems problems;
};
RosterRecord parseRoster(std::string_view text);

// A character file as read: the frame picture paths of its (last) SPRITES
// block and its clips, each clip kept inside the frames and with a length.
struct CharacterRecord {
    std::vector<std::string> framePaths;  // "" for a refused path
    std::array<Animation, animStateCount> clips{};
    Problems problems;
};
CharacterRecord parseCharacterFile(std::string_view text);

// The files themselves. One that cannot be read prints the game's message
// ("Error Loading perso.txt", "Error Loading " + path). False then.
bool readRosterFile(RosterRecord& roster);
bool readCharacterFile(const std::string& path, CharacterRecord& record);
