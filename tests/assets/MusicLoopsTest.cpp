#include "resources/Loading.h"

#include "support/Headless.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/Music.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

const char* const trackPaths[] = {"Assets/Sounds/Music/Menu/TitleScreen.ogg", "Assets/Sounds/Music/Menu/Menu.ogg",
                                  "Assets/Sounds/Music/Jungle/Jungle.ogg"};

const float shortestTrack = 45.f;  // s
const int clipLevel = 32700;
const float seamWindow = 0.25f;    // s at each end that must carry music

struct Decoded {
    unsigned channels = 0;
    unsigned rate = 0;
    std::vector<sf::Int16> samples;
    std::size_t frames() const { return channels ? samples.size() / channels : 0; }
};

Decoded decode(const char* path)
{
    Decoded track;
    sf::InputSoundFile file;
    if (!file.openFromFile(path))
        return track;
    track.channels = file.getChannelCount();
    track.rate = file.getSampleRate();
    track.samples.resize(std::size_t(file.getSampleCount()));
    track.samples.resize(std::size_t(file.read(track.samples.data(), track.samples.size())));
    return track;
}

// The size of sample-to-sample step that only one step in a thousand exceeds.
int sharpStep(const Decoded& track)
{
    std::vector<int> steps;
    for (std::size_t i = track.channels; i < track.samples.size(); ++i)
        steps.push_back(std::abs(int(track.samples[i]) - int(track.samples[i - track.channels])));
    std::nth_element(steps.begin(), steps.begin() + long(steps.size() * 999 / 1000), steps.end());
    return steps[steps.size() * 999 / 1000];
}

double rms(const Decoded& track, std::size_t firstFrame, std::size_t frames)
{
    double sum = 0.0;
    for (std::size_t i = firstFrame * track.channels; i < (firstFrame + frames) * track.channels; ++i)
        sum += double(track.samples[i]) * double(track.samples[i]);
    return std::sqrt(sum / double(frames * track.channels)) / 32768.0;
}

}  // namespace

// Each track opens as a stereo stream of at least 45 s. When it wraps round,
// the last sample leads into the first as any two neighbouring samples of the
// music do: no jump, and no fade to silence. And nothing clips.
TEST(MusicLoops, TracksLoopWithoutClickOrGapAndNeverClip)
{
    enterFreshRunFolder();
    for (const char* path : trackPaths) {
        SCOPED_TRACE(path);
        sf::Music music;
        ASSERT_TRUE(openMusicFile(music, path));
        EXPECT_EQ(music.getChannelCount(), 2u);
        const Decoded track = decode(path);
        ASSERT_GT(track.frames(), std::size_t(shortestTrack * float(track.rate)));
        const int limit = sharpStep(track);
        const std::size_t last = (track.frames() - 1) * track.channels;
        for (unsigned channel = 0; channel < track.channels; ++channel)
            EXPECT_LE(std::abs(int(track.samples[last + channel]) - int(track.samples[channel])), limit)
                << "channel " << channel;
        const std::size_t window = std::size_t(seamWindow * float(track.rate));
        EXPECT_GT(rms(track, 0, window), 0.03);
        EXPECT_GT(rms(track, track.frames() - window, window), 0.03);
        const auto loudest = std::max_element(track.samples.begin(), track.samples.end(),
                                              [](sf::Int16 a, sf::Int16 b) { return std::abs(a) < std::abs(b); });
        EXPECT_LT(std::abs(int(*loudest)), clipLevel);
        EXPECT_GT(rms(track, 0, track.frames()), 0.05);
    }
}
