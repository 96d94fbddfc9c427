#pragma once

#include <string>

// The names a player may give a custom level. A name becomes a folder and
// file names, so only plain characters pass: 1 to 30 of A-Z a-z 0-9 - _, and
// none of the device names some systems keep for themselves.
constexpr std::size_t maxLevelNameLength = 30;

// Whether a typed character may be part of a name.
bool isNameCharacter(unsigned codePoint);
// "" when `name` may name a level; otherwise why not, in one line.
std::string levelNameProblem(const std::string& name);
// The hint shown when a typed character is refused.
std::string typedCharacterProblem(unsigned codePoint, std::size_t nameLength);

// Letter case aside, for names already checked.
bool sameNameIgnoringCase(const std::string& a, const std::string& b);

// The files of the custom level N (N must have passed `levelNameProblem`).
std::string customFolderOf(const std::string& name);       // "Assets/Map/Custom/N"
std::string sectionFileOf(const std::string& name, int i);  // "Assets/Map/Custom/N/Map<i>.txt"
