#pragma once

#include "resources/TextFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One entry of the player's list of custom levels.
struct CustomLevelEntry {
    std::string path;         // the level file, exactly as the list stores it
    std::string displayName;  // what the list screen shows
    std::string levelName;    // N for an entry shaped "Assets/Map/Custom/N/N.txt", otherwise empty
};

// At most this many custom levels are saved and shown.
constexpr int maxCustomLevels = 9;
// A list file over 4 MiB, or one with more entries, is damaged: it is never rewritten.
constexpr std::size_t maxCustomListEntries = 4096;
// Longer names are cut for the list screen (the path stays whole).
constexpr std::size_t maxShownNameBytes = 40;

extern const char* const customListPath;    // "Assets/Map/Custom/Custom.txt"
extern const char* const customLevelFolder;  // "Assets/Map/Custom/"

// The list file as read: every entry it holds (not cut at nine), and whether
// it may be rewritten.
struct CustomLevelList {
    std::vector<CustomLevelEntry> entries;
    bool found = false;    // the file exists
    bool damaged = false;  // unreadable, too large, or its first word is not a count
    Problems problems;
};

// Turns the bytes of a list file into the list: a count, then level file
// paths separated by white space. An empty file is an empty list. Entries are
// the words after the count, whatever the count says (a disagreement is a
// problem, not damage).
CustomLevelList parseCustomLevelList(std::string_view bytes);
// Reads and parses the list file; a missing file is an empty list without a
// problem, a folder, an unreadable file or one over 4 MiB is damaged.
CustomLevelList loadCustomLevelList(const std::string& listPath = customListPath);

// The text of a list file: the count, then each path on its own line; the
// last path ends with a line break only when `finalLineBreak`.
std::string customListText(const std::vector<std::string>& paths, bool finalLineBreak);

// "Assets/Map/Custom/N/N.txt", the level file of the custom level N.
std::string customLevelFilePath(const std::string& name);
// N when `path` is exactly "Assets/Map/Custom/N/N.txt" with N free of separators, otherwise "".
std::string shapedLevelName(const std::string& path);

// The name shown for a level file path: the part after the last '/' or '\',
// without its extension ("Assets/Map/Custom/Cliffs/Cliffs.txt" -> "Cliffs").
std::string levelDisplayName(const std::string& path);
