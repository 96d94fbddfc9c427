#include "settings/AudioVolumes.h"

namespace {

// Held here until the audio object carries its two volumes.
struct Volumes {
    float sfx = 0.5f;
    float music = 1.0f;
};

Volumes& volumes()
{
    static Volumes held;
    return held;
}

}  // namespace

void setVolumes(float sfx, float music)
{
    volumes().sfx = sfx;
    volumes().music = music;
}

float sfxVolume()
{
    return volumes().sfx;
}

float musicVolume()
{
    return volumes().music;
}
