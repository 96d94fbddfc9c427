// Any bytes as a level file: a last section inside the sections named, finite flags.
#include "level/LevelFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const int columns = size > 0 && data[0] % 2 ? caaColumns : classicColumns;
    const LevelRecord level = parseLevelFile(std::string_view(reinterpret_cast<const char*>(data), size), columns);
    const int named = static_cast<int>(level.sectionFiles.size());
    if (named > maxSections || level.lastSection < 0 || level.lastSection > std::max(named - 1, 0))
        std::abort();
    if (!std::isfinite(level.flag0X) || !std::isfinite(level.flag1X))
        std::abort();
    return 0;
}
