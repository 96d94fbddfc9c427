#pragma once

#include <string>
#include <vector>

// One entry of the player's list of custom levels.
struct CustomLevelEntry {
    std::string path;         // the level file, exactly as the list stores it
    std::string displayName;  // what the list screen shows
};

// At most this many custom levels exist; longer lists are cut.
constexpr int maxCustomLevels = 9;

// Reads "Assets/Map/Custom/Custom.txt" (a count, then that many level file
// paths). A missing file gives an empty list.
std::vector<CustomLevelEntry> readCustomLevelList();
std::vector<CustomLevelEntry> readCustomLevelList(const std::string& listPath);

// The name shown for a level file path: the part after the last '/' or '\',
// without its extension ("Assets/Map/Custom/Cliffs/Cliffs.txt" -> "Cliffs").
std::string levelDisplayName(const std::string& path);
