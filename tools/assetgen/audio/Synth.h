#pragma once

#include "audio/Sound.h"

#include <cmath>
#include <cstdint>

// Building blocks of the synthesised sounds: oscillators, noise, envelopes
// and filters. All of them are plain arithmetic with their own state, so a
// sound comes out with the same samples on every run.

constexpr float twoPi = 6.28318530718f;

// Deterministic noise (xorshift); each sound seeds its own.
struct Noise {
    std::uint32_t state;
    explicit Noise(std::uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
    float unit();     // [0, 1)
    float bipolar();  // [-1, 1)
};

enum class Wave { Sine, Triangle, Square, Saw };

// An oscillator's running phase in cycles, so a frequency can glide without
// jumps in the wave.
struct Phase {
    double cycles = 0.0;
    float advance(float hertz, unsigned sampleRate);  // returns the phase before the step, in [0, 1)
    // The next sample of `wave` at `hertz`. Saw and square are band-limited
    // (polyBLEP): their jumps are smoothed over a sample so the harmonics above
    // half the sample rate do not fold back as whistles.
    float next(Wave wave, float hertz, unsigned sampleRate);
    float saw(float hertz, unsigned sampleRate) { return next(Wave::Saw, hertz, sampleRate); }
    float square(float hertz, unsigned sampleRate) { return next(Wave::Square, hertz, sampleRate); }
};

float sineWave(float phase);
float triangleWave(float phase);

// Frequency of a MIDI note number (69 = A 440 Hz).
float midiHertz(float note);

// Attack-decay envelope: a linear rise over `attack`, then exponential decay
// with time constant `decay`.
float attackDecay(float t, float attack, float decay);
// Exponential glide from `from` to `to` as `t` goes from 0 to 1.
float glide(float from, float to, float t);
// Soft saturation that keeps small signals linear.
float softClip(float x);

// Second-order filter (the usual audio cookbook forms). Coefficients may be
// reset every sample for sweeps.
struct Biquad {
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void lowpass(float hertz, float q, unsigned sampleRate);
    void highpass(float hertz, float q, unsigned sampleRate);
    void bandpass(float hertz, float q, unsigned sampleRate);
    float process(float x);
};

// One-pole smoothing low-pass (cheap, for rumble and tone shaping).
struct OnePole {
    float state = 0;
    float process(float x, float hertz, unsigned sampleRate);
};

// Renders `seconds` of mono sound at 44.1 kHz from `sampleAt(t)`, called once
// per sample in order (t in seconds), so it may keep state between calls.
template <typename SampleAt>
Sound synth(float seconds, SampleAt&& sampleAt)
{
    Sound sound = silence(seconds);
    const float step = 1.f / float(sound.sampleRate);
    for (std::size_t i = 0; i < sound.samples.size(); ++i)
        sound.samples[i] = sampleAt(float(i) * step);
    return sound;
}
