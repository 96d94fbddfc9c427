#include "audio/Sound.h"

#include "AssetWriter.h"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The Ogg writer numbers its stream with rand(); a fixed seed keeps the
// encoded bytes the same from one build to the next.
const unsigned oggSerialSeed = 1;

std::int16_t toPcm(float sample)
{
    const float scaled = std::round(std::clamp(sample, -1.f, 1.f) * 32767.f);
    return static_cast<std::int16_t>(scaled);
}

std::vector<std::int16_t> toPcm(const Sound& sound)
{
    std::vector<std::int16_t> pcm(sound.samples.size());
    std::transform(sound.samples.begin(), sound.samples.end(), pcm.begin(),
                   [](float sample) { return toPcm(sample); });
    return pcm;
}

void appendLittleEndian(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

Sound silence(float seconds, unsigned sampleRate, unsigned channels)
{
    Sound sound;
    sound.sampleRate = sampleRate;
    sound.channels = channels;
    sound.samples.assign(std::size_t(std::lround(seconds * float(sampleRate))) * channels, 0.f);
    return sound;
}

float peakLevel(const Sound& sound)
{
    float peak = 0.f;
    for (float sample : sound.samples)
        peak = std::max(peak, std::fabs(sample));
    return peak;
}

void normalise(Sound& sound, float peak)
{
    const float current = peakLevel(sound);
    if (current <= 0.f)
        return;
    const float gain = peak / current;
    for (float& sample : sound.samples)
        sample *= gain;
}

void mixAt(Sound& target, const Sound& source, float atSeconds, float gain)
{
    const std::size_t start = std::size_t(std::lround(std::max(0.f, atSeconds) * float(target.sampleRate))) *
                              target.channels;
    if (target.samples.size() < start + source.samples.size())
        target.samples.resize(start + source.samples.size(), 0.f);
    for (std::size_t i = 0; i < source.samples.size(); ++i)
        target.samples[start + i] += source.samples[i] * gain;
}

void fadeEdges(Sound& sound, float fadeInSeconds, float fadeOutSeconds)
{
    const std::size_t frames = sound.frames();
    const std::size_t fadeIn = std::min(frames, std::size_t(fadeInSeconds * float(sound.sampleRate)));
    const std::size_t fadeOut = std::min(frames, std::size_t(fadeOutSeconds * float(sound.sampleRate)));
    for (std::size_t frame = 0; frame < frames; ++frame) {
        float gain = 1.f;
        if (frame < fadeIn)
            gain = float(frame) / float(fadeIn);
        if (frames - 1 - frame < fadeOut)
            gain = std::min(gain, float(frames - 1 - frame) / float(fadeOut));
        for (unsigned channel = 0; channel < sound.channels; ++channel)
            sound.samples[frame * sound.channels + channel] *= gain;
    }
}

std::string encodeWav(const Sound& sound)
{
    const std::uint32_t dataBytes = std::uint32_t(sound.samples.size() * 2);
    std::string bytes = "RIFF";
    appendLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    appendLittleEndian(bytes, 16, 4);                                      // format chunk size
    appendLittleEndian(bytes, 1, 2);                                       // PCM
    appendLittleEndian(bytes, sound.channels, 2);
    appendLittleEndian(bytes, sound.sampleRate, 4);
    appendLittleEndian(bytes, sound.sampleRate * sound.channels * 2, 4);  // bytes per second
    appendLittleEndian(bytes, sound.channels * 2, 2);                      // bytes per frame
    appendLittleEndian(bytes, 16, 2);                                      // bits per sample
    bytes += "data";
    appendLittleEndian(bytes, dataBytes, 4);
    for (std::int16_t sample : toPcm(sound))
        appendLittleEndian(bytes, std::uint16_t(sample), 2);
    return bytes;
}

void writeWav(AssetContext& ctx, const std::string& relativePath, const Sound& sound)
{
    writeGenerated(ctx, relativePath, encodeWav(sound));
}

void writeOgg(AssetContext& ctx, const std::string& relativePath, const Sound& sound)
{
    // The encoder writes only to a file: encode beside the target, then
    // compare and install like any other generated file.
    const fs::path scratch = ctx.runDir / (relativePath + ".encoding.ogg");
    std::error_code error;
    fs::create_directories(scratch.parent_path(), error);
    bool encoded = false;
    {
        std::srand(oggSerialSeed);
        sf::OutputSoundFile file;
        if (file.openFromFile(scratch.string(), sound.sampleRate, sound.channels)) {
            const std::vector<std::int16_t> pcm = toPcm(sound);
            file.write(pcm.data(), pcm.size());
            encoded = true;
        }
    }
    if (!encoded) {
        ++ctx.failures;
        std::printf("assetgen: cannot encode %s\n", relativePath.c_str());
        return;
    }
    const std::string bytes = readFileBytes(ctx, scratch);
    fs::remove(scratch, error);
    writeGenerated(ctx, relativePath, bytes);
}
