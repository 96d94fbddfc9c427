// Any bytes as persos.txt: at most 8 paths, none leaving the game folder.
#include "fighters/CharacterFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const RosterRecord roster = parseRoster(std::string_view(reinterpret_cast<const char*>(data), size));
    if (roster.files.size() > static_cast<std::size_t>(characterSlotCount))
        std::abort();
    for (const std::string& path : roster.files)
        if (!path.empty() && !listedPathProblem(path).empty())
            std::abort();
    return 0;
}
