#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct AssetContext;

// A sound being built: interleaved float samples at full scale +-1.
struct Sound {
    unsigned sampleRate = 44100;
    unsigned channels = 1;
    std::vector<float> samples;

    std::size_t frames() const { return samples.size() / channels; }
    float seconds() const { return float(frames()) / float(sampleRate); }
};

Sound silence(float seconds, unsigned sampleRate = 44100, unsigned channels = 1);

float peakLevel(const Sound& sound);
// Scales the sound so that its loudest sample reaches `peak` (a silent sound
// stays silent).
void normalise(Sound& sound, float peak);
// Adds `source` (same rate and channel count) into `target` from `atSeconds`
// on, growing the target when the source runs past its end.
void mixAt(Sound& target, const Sound& source, float atSeconds, float gain);
// Linear fades at both ends, so a sound never starts or stops with a click.
void fadeEdges(Sound& sound, float fadeInSeconds, float fadeOutSeconds);

// 16-bit PCM WAV bytes.
std::string encodeWav(const Sound& sound);
void writeWav(AssetContext& ctx, const std::string& relativePath, const Sound& sound);
// Ogg Vorbis through the media library's encoder.
void writeOgg(AssetContext& ctx, const std::string& relativePath, const Sound& sound);
