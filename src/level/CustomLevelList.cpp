#include "level/CustomLevelList.h"

#include "resources/BoundedFile.h"

#include <algorithm>
#include <cctype>

const char* const customListPath = "Assets/Map/Custom/Custom.txt";
const char* const customLevelFolder = "Assets/Map/Custom/";

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isCount(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string lineNote(int line, const std::string& what)
{
    return "Custom.txt line " + std::to_string(line) + ": " + what;
}

// Walks the bytes word by word, keeping the line each word starts on.
struct WordReader {
    std::string_view bytes;
    std::size_t at = 0;
    int line = 1;

    bool next(std::string_view& word, int& wordLine)
    {
        while (at < bytes.size() && isSpace(bytes[at]))
            line += bytes[at++] == '\n';
        if (at >= bytes.size())
            return false;
        const std::size_t start = at;
        while (at < bytes.size() && !isSpace(bytes[at]))
            ++at;
        word = bytes.substr(start, at - start);
        wordLine = line;
        return true;
    }
};

}  // namespace

CustomLevelList parseCustomLevelList(std::string_view bytes)
{
    CustomLevelList list;
    list.found = true;
    WordReader reader{bytes};
    std::string_view word;
    int line = 0;
    if (!reader.next(word, line))
        return list;  // an empty file is an empty list
    if (!isCount(word)) {
        list.damaged = true;
        list.problems.push_back(lineNote(line, "the first word is not a count"));
        return list;
    }
    std::string_view countWord = word;
    const int countLine = line;
    while (reader.next(word, line)) {
        if (list.entries.size() >= maxCustomListEntries) {
            list.damaged = true;
            list.problems.push_back(lineNote(line, "more than " + std::to_string(maxCustomListEntries) + " entries"));
            return list;
        }
        CustomLevelEntry entry;
        entry.path = std::string(word);
        entry.displayName = levelDisplayName(entry.path);
        entry.levelName = shapedLevelName(entry.path);
        list.entries.push_back(std::move(entry));
    }
    // The count is compared as text, so no value of it is ever trusted.
    const std::string counted = std::to_string(list.entries.size());
    while (countWord.size() > 1 && countWord.front() == '0')
        countWord.remove_prefix(1);
    if (countWord != counted)
        list.problems.push_back(lineNote(countLine, "the count says " + std::string(countWord.substr(0, 20)) +
                                                        " but the list holds " + counted + " entries"));
    return list;
}

CustomLevelList loadCustomLevelList(const std::string& listPath)
{
    std::string bytes;
    switch (readFileBounded(listPath, maxCustomListBytes, bytes)) {
    case FileRead::Read:
        return parseCustomLevelList(bytes);
    case FileRead::Missing:
        return CustomLevelList{};
    case FileRead::TooLarge:
    case FileRead::Unreadable:
        break;
    }
    CustomLevelList list;
    list.found = true;
    list.damaged = true;
    list.problems.push_back("Custom.txt cannot be read");
    return list;
}

std::vector<CustomLevelEntry> readCustomLevelList(const std::string& listPath)
{
    std::vector<CustomLevelEntry> entries = loadCustomLevelList(listPath).entries;
    if (entries.size() > static_cast<std::size_t>(maxCustomLevels))
        entries.resize(static_cast<std::size_t>(maxCustomLevels));
    return entries;
}

std::vector<CustomLevelEntry> readCustomLevelList()
{
    return readCustomLevelList(customListPath);
}

std::string customListText(const std::vector<std::string>& paths, bool finalLineBreak)
{
    std::string text = std::to_string(paths.size()) + "\n";
    for (std::size_t i = 0; i < paths.size(); ++i) {
        text += paths[i];
        if (i + 1 < paths.size() || finalLineBreak)
            text += '\n';
    }
    return text;
}

std::string customLevelFilePath(const std::string& name)
{
    return customLevelFolder + name + "/" + name + ".txt";
}

std::string shapedLevelName(const std::string& path)
{
    const std::string prefix = customLevelFolder;
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0)
        return "";
    const std::size_t slash = path.find('/', prefix.size());
    if (slash == std::string::npos || slash == prefix.size())
        return "";
    const std::string name = path.substr(prefix.size(), slash - prefix.size());
    if (name.find('\\') != std::string::npos || path != customLevelFilePath(name))
        return "";
    return name;
}

std::string levelDisplayName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    // A name without an extension is shown whole.
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}
