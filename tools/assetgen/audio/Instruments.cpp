#include "audio/Instruments.h"

#include "audio/EffectKit.h"

#include <algorithm>

namespace {

const unsigned rate = 44100;

// Level that holds while the note is held, then dies away with `release`.
float sustain(float t, float attack, float held, float release)
{
    const float rise = attack > 0.f ? std::min(1.f, t / attack) : 1.f;
    return t < held ? rise : rise * std::exp(-(t - held) / release);
}

Sound pad(float hertz, float held)
{
    Phase a, b, c;
    Biquad filter;
    filter.lowpass(1400.f, 0.7f, rate);
    return synth(held + 0.8f, [&](float t) {
        const float wave = a.saw(hertz, rate) + b.saw(hertz * 1.004f, rate) +
                           c.saw(hertz * 0.996f, rate);
        return filter.process(wave) * 0.33f * sustain(t, 0.25f, held, 0.25f);
    });
}

Sound bass(float hertz, float held)
{
    Phase saw, sub;
    Biquad filter;
    return synth(held + 0.15f, [&](float t) {
        filter.lowpass(200.f + 900.f * std::exp(-t / 0.08f), 1.2f, rate);
        const float tone = filter.process(saw.saw(hertz, rate)) + 0.6f * sineWave(sub.advance(hertz, rate));
        return tone * sustain(t, 0.005f, held, 0.04f);
    });
}

Sound pluck(float hertz)
{
    Phase saw, square;
    Biquad filter;
    return synth(0.6f, [&](float t) {
        filter.lowpass(hertz * (1.f + 6.f * std::exp(-t / 0.05f)), 0.8f, rate);
        const float wave = saw.saw(hertz, rate) + 0.5f * square.square(hertz * 1.002f, rate);
        return filter.process(wave) * attackDecay(t, 0.002f, 0.18f);
    });
}

Sound lead(float hertz, float held)
{
    Phase square, saw, vibrato;
    Biquad filter;
    filter.lowpass(2800.f, 0.8f, rate);
    return synth(held + 0.25f, [&](float t) {
        const float depth = t > 0.2f ? 0.006f : 0.f;
        const float bend = 1.f + depth * sineWave(vibrato.advance(5.5f, rate));
        const float wave = square.square(hertz * bend, rate) + 0.5f * saw.saw(hertz * bend * 1.003f, rate);
        return filter.process(wave) * 0.6f * sustain(t, 0.01f, held, 0.08f);
    });
}

// Two-operator FM: a carrier at `hertz` modulated at `ratio` times it with an
// index that falls from `brightness` over `fade` seconds.
Sound fm(float hertz, float ratio, float brightness, float fade, float ring, float held, float release)
{
    Phase carrier, modulator;
    return synth(held + release * 4.f, [&](float t) {
        const float index = brightness * std::exp(-t / fade) + 0.15f;
        const float modulation = index * sineWave(modulator.advance(hertz * ratio, rate));
        const float phase = carrier.advance(hertz, rate);
        return std::sin(twoPi * phase + modulation) * std::exp(-t / ring) * sustain(t, 0.003f, held, release);
    });
}

Sound marimba(float hertz)
{
    Phase body, overtone;
    return synth(0.6f, [&](float t) {
        const float knock = 0.3f * sineWave(overtone.advance(hertz * 4.f, rate)) * std::exp(-t / 0.05f);
        return (sineWave(body.advance(hertz, rate)) + knock) * attackDecay(t, 0.002f, 0.25f);
    });
}

Sound kick()
{
    Phase phase;
    Noise noise(7);
    return synth(0.35f, [&](float t) {
        const float hertz = 45.f + 115.f * std::exp(-t / 0.03f);
        const float click = noise.bipolar() * attackDecay(t, 0.0005f, 0.003f) * 0.4f;
        return sineWave(phase.advance(hertz, rate)) * attackDecay(t, 0.002f, 0.18f) + click;
    });
}

// Filtered noise with a short fixed envelope: snare body, hats, shaker, rim.
Sound noiseHit(std::uint32_t seed, float hertz, float q, bool highpass, float attack, float decay, float seconds)
{
    Noise noise(seed);
    Biquad filter;
    if (highpass)
        filter.highpass(hertz, q, rate);
    else
        filter.bandpass(hertz, q, rate);
    return synth(seconds, [&](float t) { return filter.process(noise.bipolar()) * attackDecay(t, attack, decay); });
}

Sound snare(std::uint32_t seed)
{
    Sound sound = noiseHit(seed, 1900.f, 0.8f, false, 0.001f, 0.1f, 0.3f);
    mixAt(sound, sweepTone(Wave::Sine, 185.f, 185.f, 0.15f, 0.001f, 0.04f), 0.f, 0.5f);
    normalise(sound, 0.9f);
    return sound;
}

Sound conga(float hertz, std::uint32_t seed)
{
    Phase phase;
    Sound sound = synth(0.4f, [&](float t) {
        const float bend = 1.f + 0.3f * std::exp(-t / 0.02f);
        return sineWave(phase.advance(hertz * bend, rate)) * attackDecay(t, 0.001f, 0.15f);
    });
    mixAt(sound, noiseHit(seed, 1500.f, 1.f, false, 0.0005f, 0.01f, 0.05f), 0.f, 1.5f);
    return sound;
}

Sound rim(std::uint32_t seed)
{
    Sound sound = noiseHit(seed, 1700.f, 6.f, false, 0.0005f, 0.02f, 0.1f);
    mixAt(sound, sweepTone(Wave::Sine, 1700.f, 1700.f, 0.08f, 0.0005f, 0.015f), 0.f, 0.3f);
    return sound;
}

Sound untuned(Instrument instrument, float held, std::uint32_t seed)
{
    switch (instrument) {
    case Instrument::Kick: return kick();
    case Instrument::Snare: return snare(seed);
    case Instrument::HiHat: return noiseHit(seed, 7000.f, 0.7f, true, 0.0005f, held > 0.2f ? 0.12f : 0.03f, 0.3f);
    case Instrument::Shaker: return noiseHit(seed, 6500.f, 1.5f, false, 0.012f, 0.04f, 0.15f);
    case Instrument::Rim: return rim(seed);
    default: return Sound();
    }
}

}  // namespace

Sound playNote(Instrument instrument, float pitch, float held, float velocity, std::uint32_t seed)
{
    const float hertz = midiHertz(pitch);
    Sound sound;
    switch (instrument) {
    case Instrument::Pad: sound = pad(hertz, held); break;
    case Instrument::Bass: sound = bass(hertz, held); break;
    case Instrument::Pluck: sound = pluck(hertz); break;
    case Instrument::Lead: sound = lead(hertz, held); break;
    case Instrument::EPiano: sound = fm(hertz, 1.f, 1.5f, 0.3f, 1.2f, held, 0.15f); break;
    case Instrument::Bell: sound = fm(hertz, 3.5f, 2.f, 0.4f, 0.9f, held + 0.6f, 0.3f); break;
    case Instrument::Marimba: sound = marimba(hertz); break;
    case Instrument::Conga: sound = conga(hertz, seed); break;
    default: sound = untuned(instrument, held, seed); break;
    }
    for (float& sample : sound.samples)
        sample *= velocity;
    return sound;
}
