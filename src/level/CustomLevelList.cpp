#include "level/CustomLevelList.h"

#include "resources/Paths.h"

#include <algorithm>
#include <fstream>

namespace {

const char* const customListPath = "Assets/Map/Custom/Custom.txt";

}  // namespace

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

std::vector<CustomLevelEntry> readCustomLevelList(const std::string& listPath)
{
    std::vector<CustomLevelEntry> entries;
    std::ifstream in(resolvePath(listPath));
    int count = 0;
    if (!in || !(in >> count))
        return entries;
    count = std::clamp(count, 0, maxCustomLevels);
    std::string word;
    for (int i = 0; i < count && in >> word; ++i)
        entries.push_back(CustomLevelEntry{word, levelDisplayName(word)});
    return entries;
}

std::vector<CustomLevelEntry> readCustomLevelList()
{
    return readCustomLevelList(customListPath);
}
