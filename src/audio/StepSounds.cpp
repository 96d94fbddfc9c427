#include "audio/StepSounds.h"

#include "audio/Audio.h"
#include "world/StepEvents.h"

namespace {

const char* const fightTrack = "JUNGLE";
constexpr float fightMusicVolume = 100.f;  // scale 0..100

}  // namespace

void playStepSounds(const StepEvents& events)
{
    for (const SoundCue& cue : events.sounds) {
        if (cue.restart)
            restartSound(cue.key, cue.volume);
        else
            playSound(cue.key, cue.volume);
    }
    if (events.music == FightMusic::Starts)
        playMusic(fightTrack, fightMusicVolume);
    if (events.music == FightMusic::Stops && isMusicPlaying(fightTrack))
        stopMusic(fightTrack);
}
