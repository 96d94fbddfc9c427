// Any bytes as Custom.txt: a bounded list whose shown names are plain text,
// and a damaged list holds no entry the screen could show.
#include "level/CustomLevelList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const CustomLevelList list = parseCustomLevelList(std::string_view(reinterpret_cast<const char*>(data), size));
    if (list.entries.size() > maxCustomListEntries || (list.damaged && list.problems.empty()))
        std::abort();
    for (const CustomLevelEntry& entry : list.entries) {
        if (entry.path.empty() || entry.displayName.size() > maxShownNameBytes + 3)
            std::abort();
        for (char c : entry.displayName)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
                std::abort();
        if (!entry.levelName.empty() && customLevelFilePath(entry.levelName) != entry.path)
            std::abort();
    }
    for (const Problem& problem : list.problems)
        for (char c : problem.what)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
                std::abort();
    return 0;
}
