#include "audio/Audio.h"

namespace {

// Tracks sound from the middle of the logical screen.
const sf::Vector3f musicSourcePosition{960.f, 540.f, 0.f};  // px

// The track of a key if it was opened; an unknown key gets an empty slot.
// An unopened track is skipped, so calling play on it every frame stays quiet.
sf::Music* openedTrack(const std::string& key)
{
    sf::Music* track = audio().musicPlayer[key].get();
    if (!track || track->getChannelCount() == 0)
        return nullptr;
    return track;
}

}  // namespace

sf::Music* musicTrack(const std::string& key)
{
    return audio().musicPlayer[key].get();
}

void playMusic(const std::string& key, float scale)
{
    sf::Music* track = openedTrack(key);
    if (!track || track->getStatus() == sf::Music::Playing)
        return;
    track->setPosition(musicSourcePosition);
    track->setVolume(scale * audio().musicVolume);
    track->setLoop(true);
    track->play();
}

void stopMusic(const std::string& key)
{
    // A paused track is stopped too, so the next play starts it from the beginning.
    sf::Music* track = openedTrack(key);
    if (track && track->getStatus() != sf::Music::Stopped)
        track->stop();
}

void pauseAllMusic()
{
    for (auto& slot : audio().musicPlayer)
        if (slot.second && slot.second->getStatus() == sf::Music::Playing)
            slot.second->pause();
}

void playOnlyMusic(const std::string& key, float scale)
{
    for (auto& slot : audio().musicPlayer)
        if (slot.first != key && slot.second && slot.second->getStatus() == sf::Music::Playing)
            slot.second->pause();
    playMusic(key, scale);
    if (sf::Music* track = openedTrack(key))
        track->setVolume(scale * audio().musicVolume);
}

bool isMusicPlaying(const std::string& key)
{
    const sf::Music* track = openedTrack(key);
    return track && track->getStatus() == sf::Music::Playing;
}
