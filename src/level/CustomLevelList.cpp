#include "level/CustomLevelList.h"

#include "resources/TextFile.h"

#include <algorithm>
#include <cctype>

const char* const customListPath = "Assets/Map/Custom/Custom.txt";
const char* const customLevelFolder = "Assets/Map/Custom/";

namespace {

bool isCount(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What the list screen shows of a name: a hostile file could hold one word
// of megabytes, which no thumbnail label has room for.
std::string shownName(const std::string& path)
{
    std::string name = levelDisplayName(path);
    if (name.size() > maxShownNameBytes)
        name = name.substr(0, maxShownNameBytes) + "...";
    // The name reaches the screen and the terminal: plain text only.
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            c = '?';
    return name;
}

}  // namespace

CustomLevelList parseCustomLevelList(std::string_view bytes)
{
    CustomLevelList list;
    list.found = true;
    WordScanner words(bytes);
    Word word;
    if (!words.next(word))
        return list;  // an empty file is an empty list
    if (!isCount(word.text)) {
        list.damaged = true;
        list.problems.push_back({word.line, quotedWord(word.text) +
                                                " is not a count of levels; no custom level is shown and "
                                                "the list is not rewritten"});
        return list;
    }
    const Word count = word;
    while (words.next(word)) {
        if (list.entries.size() >= maxCustomListEntries) {
            list.damaged = true;
            list.problems.push_back({word.line, "lists more than " + std::to_string(maxCustomListEntries) +
                                                    " levels; the list is not rewritten"});
            return list;
        }
        CustomLevelEntry entry;
        entry.path = std::string(word.text);
        entry.displayName = shownName(entry.path);
        entry.levelName = shapedLevelName(entry.path);
        list.entries.push_back(std::move(entry));
    }
    // The count is compared as text, so no value of it is ever trusted.
    const std::string counted = std::to_string(list.entries.size());
    std::string_view stated = count.text;
    while (stated.size() > 1 && stated.front() == '0')
        stated.remove_prefix(1);
    if (stated != counted)
        list.problems.push_back({count.line, "the count says " + quotedWord(stated, 20) + " but " + counted +
                                                 " are listed"});
    return list;
}

CustomLevelList loadCustomLevelList(const std::string& listPath)
{
    Problems problems;
    const TextFile file = readTextFile(listPath, problems, "no custom level is shown and the list is not rewritten");
    if (file.status == TextFileStatus::Missing)
        return CustomLevelList{};  // no level saved yet
    if (file.status != TextFileStatus::Read || file.cut) {
        CustomLevelList list;
        list.found = true;
        list.damaged = true;
        list.problems = std::move(problems);
        return list;
    }
    CustomLevelList list = parseCustomLevelList(file.text);
    list.problems.insert(list.problems.begin(), problems.begin(), problems.end());
    return list;
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
