#include "settings/KeyNames.h"

#include "resources/Paths.h"

#include <fstream>
#include <iostream>

const char* const keyNamesPath = "assets/settings/keynames.txt";
const char* const buttonNamesPath = "assets/settings/controllerbuttonnames.txt";

std::vector<std::string> readNameList(const std::string& path)
{
    std::vector<std::string> names;
    std::ifstream file(resolvePath(path));
    if (!file) {
        std::cout << "File error\n";
        return names;
    }
    std::string word;
    while (file >> word)
        names.push_back(word);
    return names;
}

KeyNames loadKeyNames()
{
    KeyNames names;
    names.keys = readNameList(keyNamesPath);
    names.buttons = readNameList(buttonNamesPath);
    return names;
}

std::string displayName(const std::vector<std::string>& names, int code)
{
    if (code >= 0 && code < static_cast<int>(names.size()))
        return names[static_cast<std::size_t>(code)];
    return std::to_string(code);
}
