#include "audio/Audio.h"
#include "resources/Loading.h"

#include "assets/GeneratorRun.h"
#include "support/Headless.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const int clipLevel = 32000;   // about -0.2 dBFS: a sample this loud counts as clipped
const int audibleLevel = 8000;  // every effect peaks at least this loud

bool isAnnouncer(const std::string& key)
{
    return key == "FIGHT" || key == "P1WINS" || key == "P2WINS";
}

int peakOf(const sf::Int16* samples, std::size_t count)
{
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

double rmsBetween(const sf::SoundBuffer& buffer, float fromSeconds, float toSeconds)
{
    const std::size_t rate = buffer.getSampleRate();
    const std::size_t from = std::size_t(fromSeconds * float(rate));
    const std::size_t to = std::min<std::size_t>(std::size_t(toSeconds * float(rate)), buffer.getSampleCount());
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += double(buffer.getSamples()[i]) * double(buffer.getSamples()[i]);
    return to > from ? std::sqrt(sum / double(to - from)) / 32768.0 : 0.0;
}

class SoundEffects : public ::testing::Test {
protected:
    void SetUp() override { enterFreshRunFolder(); }
};

}  // namespace

TEST_F(SoundEffects, EveryEffectLoadsShortAudibleAndUnclipped)
{
    for (const AudioFile& effect : effectTable) {
        SCOPED_TRACE(effect.key);
        sf::SoundBuffer buffer;
        ASSERT_TRUE(loadSoundFile(buffer, effect.path));
        const float seconds = buffer.getDuration().asSeconds();
        if (!isAnnouncer(effect.key)) {
            EXPECT_GE(seconds, 0.05f);
            EXPECT_LE(seconds, 1.5f);
        }
        const int peak = peakOf(buffer.getSamples(), buffer.getSampleCount());
        EXPECT_LT(peak, clipLevel);
        EXPECT_GT(peak, audibleLevel);
    }
}

TEST_F(SoundEffects, FilesAre16BitPcm)
{
    for (const AudioFile& effect : effectTable) {
        SCOPED_TRACE(effect.key);
        const std::string bytes = fileBytes(effect.path);
        ASSERT_GE(bytes.size(), 44u);
        EXPECT_EQ(bytes.substr(0, 4), "RIFF");
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(bytes[20], 1);   // PCM
        EXPECT_EQ(bytes[34], 16);  // bits per sample
    }
}

TEST_F(SoundEffects, NoTwoEffectsSoundTheSame)
{
    std::set<std::vector<sf::Int16>> seen;
    for (const AudioFile& effect : effectTable) {
        sf::SoundBuffer buffer;
        ASSERT_TRUE(loadSoundFile(buffer, effect.path));
        const std::vector<sf::Int16> samples(buffer.getSamples(), buffer.getSamples() + buffer.getSampleCount());
        EXPECT_TRUE(seen.insert(samples).second) << effect.key << " repeats another effect";
    }
}

// The countdown shows "3", "2", "1" and "FIGHT !" one second apart and keeps
// asking for the line until it ends: the line outlasts the 4 s countdown
// (or it would start again over "FIGHT !") and a word starts on each second.
TEST_F(SoundEffects, FightLineFollowsTheCountdown)
{
    sf::SoundBuffer line;
    ASSERT_TRUE(loadSoundFile(line, "Assets/Sounds/Announcer/Fight.wav"));
    const float seconds = line.getDuration().asSeconds();
    EXPECT_GE(seconds, 4.0f);
    EXPECT_LE(seconds, 4.5f);
    for (int word = 0; word < 4; ++word) {
        SCOPED_TRACE(word);
        EXPECT_GT(rmsBetween(line, float(word), float(word) + 0.4f), 0.03);
        EXPECT_LT(rmsBetween(line, float(word) + 0.9f, float(word) + 0.98f), 0.01) << "silence before the next word";
    }
}

TEST_F(SoundEffects, WinnerLinesAreSpokenPhrases)
{
    for (const char* path : {"Assets/Sounds/Announcer/P1Wins.wav", "Assets/Sounds/Announcer/P2Wins.wav"}) {
        SCOPED_TRACE(path);
        sf::SoundBuffer line;
        ASSERT_TRUE(loadSoundFile(line, path));
        EXPECT_GE(line.getDuration().asSeconds(), 0.8f);
        EXPECT_LE(line.getDuration().asSeconds(), 3.0f);
        EXPECT_GT(rmsBetween(line, 0.f, line.getDuration().asSeconds()), 0.03);
    }
}

namespace {

// The announcer files of a generator run are there, loadable and of the
// countdown's timing.
void expectAnnouncerLines()
{
    sf::SoundBuffer line;
    ASSERT_TRUE(loadSoundFile(line, "Assets/Sounds/Announcer/Fight.wav"));
    EXPECT_GE(line.getDuration().asSeconds(), 4.0f);
    EXPECT_LE(line.getDuration().asSeconds(), 4.5f);
    for (const char* path : {"Assets/Sounds/Announcer/P1Wins.wav", "Assets/Sounds/Announcer/P2Wins.wav"})
        EXPECT_TRUE(loadSoundFile(line, path)) << path;
}

}  // namespace

// A machine without the speech synthesiser, or with a broken one, still
// builds: the lines become signals of the same timing and the generator
// says why.
TEST(AnnouncerWithoutSpeech, FallsBackToSignalsWhenEspeakIsMissing)
{
    const std::string folder = enterEmptyFolder();
    const GeneratorRun run = runAssetGenerator(folder, "audio", "PATH=/nonexistent");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("espeak-ng is not installed"), std::string::npos);
    expectAnnouncerLines();
}

TEST(AnnouncerWithoutSpeech, FallsBackToSignalsWhenEspeakFails)
{
    const std::string folder = enterEmptyFolder();
    std::ofstream("espeak-ng") << "#!/bin/sh\n[ \"$1\" = --version ]\n";
    fs::permissions("espeak-ng", fs::perms::owner_all);
    const GeneratorRun run = runAssetGenerator(folder, "audio", "PATH='" + folder + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("espeak-ng failed"), std::string::npos);
    expectAnnouncerLines();
}
