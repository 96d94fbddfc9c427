#include "audio/Audio.h"

// Placeholder until the sound bank is written.
struct AudioSystem {
};

AudioSystem& audio()
{
    static AudioSystem system;
    return system;
}

void buildSoundBank() {}
void buildMusic() {}
void playSound(const std::string&, float) {}
void restartSound(const std::string&, float) {}
void playMusic(const std::string&, float) {}
void stopMusic(const std::string&) {}
void pauseAllMusic() {}
bool isMusicPlaying(const std::string&) { return false; }
