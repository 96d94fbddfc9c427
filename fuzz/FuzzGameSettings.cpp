// Any bytes as gamesettings.txt: the volumes always end up inside 0..1.
#include "settings/GameSettings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    GameSettings settings;
    parseGameSettings(std::string_view(reinterpret_cast<const char*>(data), size), settings);
    if (!(settings.sfxVolume >= 0.f && settings.sfxVolume <= 1.f) ||
        !(settings.musicVolume >= 0.f && settings.musicVolume <= 1.f))
        std::abort();
    return 0;
}
