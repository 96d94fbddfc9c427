#include "audio/Audio.h"
#include "resources/Loading.h"
#include "support/Headless.h"

#include <SFML/Audio/OutputSoundFile.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A quiet tone of `seconds`, long enough that nothing ends while a test looks at it.
void writeTone(const std::string& path, float seconds, unsigned channels)
{
    if (fs::path(path).has_parent_path())
        fs::create_directories(fs::path(path).parent_path());
    const unsigned rate = 22050;
    std::vector<sf::Int16> samples(static_cast<std::size_t>(seconds * rate) * channels);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<sf::Int16>(3000.0 * std::sin(static_cast<double>(i / channels) * 0.05));
    sf::OutputSoundFile file;
    ASSERT_TRUE(file.openFromFile(path, rate, channels));
    file.write(samples.data(), samples.size());
}

// An empty folder holding the game's sound and music files, the bank built on them.
void buildOnTestFiles(const std::vector<std::string>& leaveOut = {})
{
    enterEmptyFolder();
    writeTone("tone.wav", 4.f, 1);
    for (const AudioFile& effect : effectTable) {
        fs::create_directories(fs::path(effect.path).parent_path());
        fs::copy_file("tone.wav", effect.path);
    }
    for (const AudioFile& track : musicTable)
        writeTone(track.path, 6.f, 2);
    for (const std::string& path : leaveOut)
        fs::remove(path);
    audio().sfxVolume = 0.5f;
    audio().musicVolume = 1.f;
    buildSoundBank();
    buildMusic();
}

float seconds(sf::Time time)
{
    return time.asSeconds();
}

}  // namespace

TEST(SoundBank, AKeyNeverOverlapsItselfAndPlaysAtScaleTimesSfxVolume)
{
    buildOnTestFiles();
    playSound("JUMP", 50.f);
    sf::Sound& voice = soundEntry("JUMP").voice;
    ASSERT_EQ(voice.getStatus(), sf::Sound::Playing);
    voice.setPlayingOffset(sf::seconds(2.f));

    // A second jump while the first sounds: nothing changes, not even the volume.
    playSound("JUMP", 100.f);
    EXPECT_EQ(voice.getStatus(), sf::Sound::Playing);
    EXPECT_GE(seconds(voice.getPlayingOffset()), 1.9f);
    EXPECT_FLOAT_EQ(voice.getVolume(), 25.f);

    // A paused voice continues where it was.
    voice.pause();
    playSound("JUMP", 50.f);
    EXPECT_EQ(voice.getStatus(), sf::Sound::Playing);
    EXPECT_GE(seconds(voice.getPlayingOffset()), 1.9f);

    // Volume is the caller's scale times sfxVolume (0.5).
    playSound("CONFIRM", 100.f);
    EXPECT_FLOAT_EQ(soundEntry("CONFIRM").voice.getVolume(), 50.f);

    // The footstep call starts over from the beginning.
    restartSound("JUMP", 40.f);
    EXPECT_EQ(voice.getStatus(), sf::Sound::Playing);
    EXPECT_LT(seconds(voice.getPlayingOffset()), 1.f);
    EXPECT_FLOAT_EQ(voice.getVolume(), 20.f);
}

TEST(SoundBank, UnknownKeysAndMissingFilesAreSilent)
{
    const int failuresBefore = loadReport().failures;
    buildOnTestFiles({"Assets/Sounds/Menu_SFX/Hover.wav"});
    EXPECT_EQ(loadReport().failures, failuresBefore + 1);

    playSound("HOVER", 100.f);
    EXPECT_EQ(soundEntry("HOVER").voice.getStatus(), sf::Sound::Stopped);

    // The footstep keys are not in the table: the lookup adds an empty entry.
    restartSound("STEP1", 40.f);
    playSound("G_WALKING", 40.f);
    EXPECT_EQ(audio().soundBank.count("STEP1"), 1u);
    EXPECT_EQ(soundEntry("STEP1").voice.getStatus(), sf::Sound::Stopped);
    EXPECT_EQ(soundEntry("G_WALKING").voice.getStatus(), sf::Sound::Stopped);

    playMusic("NO_SUCH_TRACK", 100.f);
    stopMusic("NO_SUCH_TRACK");
    EXPECT_EQ(musicTrack("NO_SUCH_TRACK"), nullptr);
    EXPECT_FALSE(isMusicPlaying("NO_SUCH_TRACK"));
}

TEST(MusicPlayer, APausedTrackResumesWhereItWasAndAStoppedOneStartsOver)
{
    buildOnTestFiles();
    playMusic("MENU", 100.f);
    sf::Music& menu = *musicTrack("MENU");
    ASSERT_EQ(menu.getStatus(), sf::Music::Playing);
    EXPECT_TRUE(menu.getLoop());
    EXPECT_FLOAT_EQ(menu.getVolume(), 100.f);
    menu.setPlayingOffset(sf::seconds(3.f));

    pauseAllMusic();
    EXPECT_EQ(menu.getStatus(), sf::Music::Paused);
    playMusic("MENU", 100.f);
    EXPECT_EQ(menu.getStatus(), sf::Music::Playing);
    EXPECT_GE(seconds(menu.getPlayingOffset()), 2.9f);

    stopMusic("MENU");
    EXPECT_FALSE(isMusicPlaying("MENU"));
    playMusic("MENU", 100.f);
    EXPECT_LT(seconds(menu.getPlayingOffset()), 1.f);
}
