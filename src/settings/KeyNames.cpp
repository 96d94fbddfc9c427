#include "settings/KeyNames.h"

#include <iostream>

const char* const keyNamesPath = "assets/settings/keynames.txt";
const char* const buttonNamesPath = "assets/settings/controllerbuttonnames.txt";

namespace {

bool showable(std::string_view word)
{
    if (word.size() > maxNameBytes)
        return false;
    for (char c : word)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return true;
}

}  // namespace

NameList parseNameList(std::string_view text)
{
    NameList list;
    WordScanner words(text);
    Word word;
    int unshown = 0;
    Word firstUnshown;
    while (words.next(word)) {
        const int code = static_cast<int>(list.names.size());
        if (code == maxNames) {
            list.problems.push_back({word.line, "names after the " + std::to_string(maxNames) + "th are ignored"});
            break;
        }
        if (showable(word.text)) {
            list.names.emplace_back(word.text);
            continue;
        }
        if (unshown++ == 0)
            firstUnshown = word;
        list.names.emplace_back();
    }
    if (unshown == 1)
        list.problems.push_back({firstUnshown.line, quotedWord(firstUnshown.text) +
                                                        " cannot be shown as a name; its code shows its number"});
    else if (unshown > 1)
        list.problems.push_back({firstUnshown.line, std::to_string(unshown) + " names cannot be shown (the first " +
                                                        quotedWord(firstUnshown.text) +
                                                        "); their codes show their numbers"});
    if (list.names.empty())
        list.problems.push_back({0, "holds no names; codes show their numbers"});
    return list;
}

bool readNameFile(const std::string& path, NameList& list)
{
    return readRecordFile(path, list, "codes show their numbers", "File error\n", parseNameList);
}

std::vector<std::string> readNameList(const std::string& path)
{
    NameList list;
    readNameFile(path, list);
    reportProblems(shownPath(path), list.problems);
    return list.names;
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
    if (code >= 0 && code < static_cast<int>(names.size()) && !names[static_cast<std::size_t>(code)].empty())
        return names[static_cast<std::size_t>(code)];
    return std::to_string(code);
}
