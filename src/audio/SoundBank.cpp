#include "audio/Audio.h"

namespace {

// A voice with samples to play; an unknown or unloadable key has none and stays silent.
bool hasSamples(const SoundEntry& entry)
{
    return entry.buffer && entry.buffer->getSampleCount() > 0;
}

}  // namespace

SoundEntry& soundEntry(const std::string& key)
{
    return audio().soundBank[key];
}

void playSound(const std::string& key, float scale)
{
    SoundEntry& entry = soundEntry(key);
    if (!hasSamples(entry) || entry.voice.getStatus() == sf::Sound::Playing)
        return;
    entry.voice.setVolume(scale * audio().sfxVolume);
    entry.voice.play();
}

void restartSound(const std::string& key, float scale)
{
    SoundEntry& entry = soundEntry(key);
    if (!hasSamples(entry))
        return;
    entry.voice.setVolume(scale * audio().sfxVolume);
    entry.voice.stop();
    entry.voice.play();
}
