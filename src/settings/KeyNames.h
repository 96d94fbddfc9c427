#pragma once

#include "resources/TextFile.h"

#include <string>
#include <string_view>
#include <vector>

// The names shown for key codes and controller buttons: the i-th word of
// "assets/settings/keynames.txt" names key code i, the i-th word of
// "assets/settings/controllerbuttonnames.txt" names button i.
struct KeyNames {
    std::vector<std::string> keys;
    std::vector<std::string> buttons;
};

extern const char* const keyNamesPath;
extern const char* const buttonNamesPath;
constexpr int maxNames = 256;            // words a name file may hold; more are cut
constexpr std::size_t maxNameBytes = 32; // a longer name would not fit its button

// The words of a name file. A word that cannot be shown (control bytes, too
// long) is kept as an empty name, so its code shows its number.
struct NameList {
    std::vector<std::string> names;
    Problems problems;
};
NameList parseNameList(std::string_view text);

// Reads a name file; one that cannot be read prints "File error\n" and gives
// an empty list. False then.
bool readNameFile(const std::string& path, NameList& list);

// The name file itself. A file that cannot be read prints "File error\n" and
// gives an empty list; problems go to standard error.
std::vector<std::string> readNameList(const std::string& path);
KeyNames loadKeyNames();

// The name of `code` in `names`; a code past the list (or negative, or with
// an empty name) shows its number.
std::string displayName(const std::vector<std::string>& names, int code);
