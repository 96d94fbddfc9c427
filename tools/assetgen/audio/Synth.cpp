#include "audio/Synth.h"

#include <algorithm>

float Noise::unit()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return float(state >> 8) / 16777216.f;
}

float Noise::bipolar()
{
    return unit() * 2.f - 1.f;
}

float Phase::advance(float hertz, unsigned sampleRate)
{
    const double before = cycles;
    cycles += double(hertz) / double(sampleRate);
    cycles -= std::floor(cycles);
    return float(before);
}

namespace {

// Correction for a unit jump at phase 0, spread over the samples either side.
float polyBlep(float phase, float increment)
{
    if (phase < increment) {
        const float t = phase / increment;
        return t + t - t * t - 1.f;
    }
    if (phase > 1.f - increment) {
        const float t = (phase - 1.f) / increment;
        return t * t + t + t + 1.f;
    }
    return 0.f;
}

}  // namespace

float Phase::next(Wave wave, float hertz, unsigned sampleRate)
{
    const float increment = std::min(0.5f, std::fabs(hertz) / float(sampleRate));
    const float phase = advance(hertz, sampleRate);
    switch (wave) {
    case Wave::Sine: return sineWave(phase);
    case Wave::Triangle: return triangleWave(phase);
    case Wave::Saw: return 2.f * phase - 1.f - polyBlep(phase, increment);
    case Wave::Square: {
        const float half = phase < 0.5f ? phase + 0.5f : phase - 0.5f;
        return (phase < 0.5f ? 1.f : -1.f) + polyBlep(phase, increment) - polyBlep(half, increment);
    }
    }
    return 0.f;
}

float sineWave(float phase)
{
    return std::sin(twoPi * phase);
}

float triangleWave(float phase)
{
    return phase < 0.5f ? 4.f * phase - 1.f : 3.f - 4.f * phase;
}

float midiHertz(float note)
{
    return 440.f * std::pow(2.f, (note - 69.f) / 12.f);
}

float attackDecay(float t, float attack, float decay)
{
    if (t < 0.f)
        return 0.f;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

float glide(float from, float to, float t)
{
    return from * std::pow(to / from, std::clamp(t, 0.f, 1.f));
}

float softClip(float x)
{
    return std::tanh(x);
}

namespace {

// The shared part of the cookbook forms: the feedback side and the scaling
// depend only on the frequency and Q; the forms differ in their feed-forward side.
struct FilterShape {
    float cosW, alpha;
};

FilterShape shapeOf(float hertz, float q, unsigned sampleRate)
{
    const float nyquistSafe = std::min(hertz, 0.45f * float(sampleRate));
    const float w = twoPi * nyquistSafe / float(sampleRate);
    return {std::cos(w), std::sin(w) / (2.f * q)};
}

void setCoefficients(Biquad& filter, const FilterShape& s, float b0, float b1, float b2)
{
    const float a0 = 1.f + s.alpha;
    filter.b0 = b0 / a0;
    filter.b1 = b1 / a0;
    filter.b2 = b2 / a0;
    filter.a1 = -2.f * s.cosW / a0;
    filter.a2 = (1.f - s.alpha) / a0;
}

}  // namespace

void Biquad::lowpass(float hertz, float q, unsigned sampleRate)
{
    const FilterShape s = shapeOf(hertz, q, sampleRate);
    setCoefficients(*this, s, (1.f - s.cosW) / 2.f, 1.f - s.cosW, (1.f - s.cosW) / 2.f);
}

void Biquad::highpass(float hertz, float q, unsigned sampleRate)
{
    const FilterShape s = shapeOf(hertz, q, sampleRate);
    setCoefficients(*this, s, (1.f + s.cosW) / 2.f, -(1.f + s.cosW), (1.f + s.cosW) / 2.f);
}

void Biquad::bandpass(float hertz, float q, unsigned sampleRate)
{
    const FilterShape s = shapeOf(hertz, q, sampleRate);
    setCoefficients(*this, s, s.alpha, 0.f, -s.alpha);
}

float Biquad::process(float x)
{
    const float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

float OnePole::process(float x, float hertz, unsigned sampleRate)
{
    const float k = 1.f - std::exp(-twoPi * hertz / float(sampleRate));
    state += k * (x - state);
    return state;
}
