#pragma once

#include <string>
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

// The whitespace-separated words of a name file. A file that cannot be
// opened prints "File error\n" and gives an empty list.
std::vector<std::string> readNameList(const std::string& path);
KeyNames loadKeyNames();

// The name of `code` in `names`; a code past the list (or negative) shows its number.
std::string displayName(const std::vector<std::string>& names, int code);
