// Any bytes as a character file: every clip read stays inside the frames and lasts a while.
#include "fighters/CharacterFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const CharacterRecord record = parseCharacterFile(std::string_view(reinterpret_cast<const char*>(data), size));
    const int frames = static_cast<int>(record.framePaths.size());
    if (frames > maxFrames)
        std::abort();
    for (const Animation& clip : record.clips) {
        if (clip.duration < 0.f || clip.duration != clip.duration)
            std::abort();
        if (frames > 0 && clip.duration > 0.f && !(clip.first >= 0 && clip.first < clip.last && clip.last <= frames))
            std::abort();
    }
    return 0;
}
