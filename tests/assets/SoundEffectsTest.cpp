#include "audio/Audio.h"
#include "resources/Loading.h"

#include "support/Headless.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

const int clipLevel = 32000;   // about -0.2 dBFS: a sample this loud counts as clipped
const int audibleLevel = 8000;  // every effect peaks at least this loud

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

// Effects are short; the winner lines are spoken phrases. All are audible
// and none clips.
TEST_F(SoundEffects, EveryEffectLoadsAudibleAndUnclipped)
{
    for (const AudioFile& effect : effectTable) {
        SCOPED_TRACE(effect.key);
        sf::SoundBuffer buffer;
        ASSERT_TRUE(loadSoundFile(buffer, effect.path));
        const float seconds = buffer.getDuration().asSeconds();
        if (effect.key == std::string("P1WINS") || effect.key == std::string("P2WINS")) {
            EXPECT_GE(seconds, 0.8f);
            EXPECT_LE(seconds, 3.0f);
            EXPECT_GT(rmsBetween(buffer, 0.f, seconds), 0.03);
        } else if (effect.key != std::string("FIGHT")) {
            EXPECT_GE(seconds, 0.05f);
            EXPECT_LE(seconds, 1.5f);
        }
        const int peak = peakOf(buffer.getSamples(), buffer.getSampleCount());
        EXPECT_LT(peak, clipLevel);
        EXPECT_GT(peak, audibleLevel);
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
