// Any bytes as a section file (or the hub's room grid): exactly the grid's
// size, and only codes the tileset draws.
#include "level/LevelFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const int columns = size > 0 && data[0] % 2 ? caaColumns : classicColumns;
    const SectionRecord section = parseSectionFile(std::string_view(reinterpret_cast<const char*>(data), size), columns);
    if (section.codes.size() != static_cast<std::size_t>(columns))
        std::abort();
    for (const TileColumn& column : section.codes)
        for (int code : column)
            if (code < emptyCode || code > lastTileCode)
                std::abort();
    return 0;
}
