#include "audio/EffectKit.h"

#include <algorithm>

namespace {

const unsigned rate = 44100;
const float edgeFadeIn = 0.002f;   // s
const float edgeFadeOut = 0.015f;  // s

}  // namespace

Sound sweepTone(Wave wave, float from, float to, float seconds, float attack, float decay)
{
    Phase phase;
    return synth(seconds, [&](float t) {
        return phase.next(wave, glide(from, to, t / seconds), rate) * attackDecay(t, attack, decay);
    });
}

Sound noiseSweep(std::uint32_t seed, float from, float to, float q, float seconds, float attack, float decay)
{
    Noise noise(seed);
    Biquad filter;
    return synth(seconds, [&](float t) {
        filter.bandpass(glide(from, to, t / seconds), q, rate);
        return filter.process(noise.bipolar()) * attackDecay(t, attack, decay);
    });
}

Sound whoosh(std::uint32_t seed, float lowHz, float highHz, float seconds, float peakAt)
{
    Noise noise(seed);
    Biquad filter;
    return synth(seconds, [&](float t) {
        const float rise = std::min(1.f, t / peakAt);
        const float fall = t < peakAt ? 1.f : std::max(0.f, 1.f - (t - peakAt) / (seconds - peakAt));
        const float swell = std::sin(0.5f * twoPi * 0.5f * rise) * fall * fall;
        filter.bandpass(glide(lowHz, highHz, rise) * (0.7f + 0.3f * fall), 1.2f, rate);
        return filter.process(noise.bipolar()) * swell;
    });
}

Sound bell(float hertz, const std::vector<float>& ratios, float seconds, float decay)
{
    std::vector<Phase> phases(ratios.size());
    return synth(seconds, [&](float t) {
        float sum = 0.f;
        for (std::size_t i = 0; i < ratios.size(); ++i) {
            const float partialDecay = decay / std::sqrt(ratios[i]);
            sum += sineWave(phases[i].advance(hertz * ratios[i], rate)) * attackDecay(t, 0.001f, partialDecay) /
                   float(i + 1);
        }
        return sum;
    });
}

Sound arpeggio(Wave wave, const std::vector<float>& notes, float step, float decay, float seconds)
{
    Sound sound = silence(seconds);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const float start = step * float(i);
        if (start >= seconds)
            break;
        mixAt(sound, sweepTone(wave, midiHertz(notes[i]), midiHertz(notes[i]), seconds - start, 0.004f, decay),
              start, 1.f);
    }
    return sound;
}

Sound thump(float from, float to, float seconds, float decay)
{
    return sweepTone(Wave::Sine, from, to, seconds, 0.002f, decay);
}

void finishEffect(Sound& sound, float peak)
{
    fadeEdges(sound, edgeFadeIn, edgeFadeOut);
    normalise(sound, peak);
}
