#include "audio/EffectKit.h"
#include "audio/SoundEffects.h"

// Interface and item sounds: bright, tonal and short, so they read as game
// events rather than as things in the world.

namespace {

// Peak levels (fraction of full scale): menu blips sit well under the action.
const float menuPeak = 0.5f;
const float itemPeak = 0.8f;

Sound hover()
{
    Sound sound = sweepTone(Wave::Sine, 1200.f, 1500.f, 0.07f, 0.003f, 0.02f);
    mixAt(sound, sweepTone(Wave::Triangle, 600.f, 750.f, 0.07f, 0.003f, 0.015f), 0.f, 0.3f);
    finishEffect(sound, menuPeak);
    return sound;
}

Sound confirm()
{
    Sound sound = arpeggio(Wave::Triangle, {79.f, 86.f}, 0.06f, 0.05f, 0.22f);
    mixAt(sound, arpeggio(Wave::Sine, {91.f, 98.f}, 0.06f, 0.03f, 0.22f), 0.f, 0.25f);
    finishEffect(sound, menuPeak + 0.1f);
    return sound;
}

Sound crateOpen()
{
    // Two knocks of splitting wood, a hollow thunk, then a sparkle of the prize.
    Sound sound = noiseSweep(11, 900.f, 600.f, 4.f, 0.12f, 0.001f, 0.03f);
    mixAt(sound, noiseSweep(12, 700.f, 450.f, 4.f, 0.12f, 0.001f, 0.035f), 0.07f, 0.9f);
    mixAt(sound, thump(220.f, 120.f, 0.2f, 0.05f), 0.f, 0.5f);
    mixAt(sound, arpeggio(Wave::Triangle, {84.f, 88.f, 91.f, 96.f}, 0.05f, 0.12f, 0.5f), 0.16f, 0.3f);
    finishEffect(sound, itemPeak);
    return sound;
}

Sound speedUp()
{
    Sound sound = arpeggio(Wave::Square, {72.f, 76.f, 79.f, 84.f, 88.f}, 0.05f, 0.06f, 0.5f);
    mixAt(sound, sweepTone(Wave::Sine, 400.f, 1600.f, 0.4f, 0.05f, 0.2f), 0.f, 0.6f);
    finishEffect(sound, itemPeak);
    return sound;
}

Sound slowDown()
{
    // A falling, wobbling saw that loses its brightness as it sinks.
    Phase phase;
    Phase wobble;
    Biquad filter;
    const float seconds = 0.75f;
    Sound sound = synth(seconds, [&](float t) {
        const float vibrato = 1.f + 0.04f * sineWave(wobble.advance(7.f, 44100));
        filter.lowpass(glide(3000.f, 400.f, t / seconds), 1.f, 44100);
        const float wave = phase.saw(glide(700.f, 110.f, t / seconds) * vibrato, 44100);
        return filter.process(wave) * attackDecay(t, 0.01f, 0.35f);
    });
    finishEffect(sound, itemPeak);
    return sound;
}

Sound stunZap()
{
    // A buzzing arc: a jittering saw switched on and off in random bursts,
    // with a hiss of sparks on top.
    Noise noise(31);
    Phase phase;
    Biquad sparks;
    sparks.bandpass(3200.f, 2.f, 44100);
    float gate = 1.f;
    int gateLeft = 0;
    Sound sound = synth(0.55f, [&](float t) {
        if (gateLeft-- <= 0) {
            gateLeft = 200 + int(noise.unit() * 1200.f);
            gate = noise.unit() < 0.7f ? 1.f : 0.15f;
        }
        const float buzz = phase.saw(110.f * (1.f + 0.08f * noise.bipolar()), 44100);
        const float hiss = sparks.process(noise.bipolar()) * 3.f;
        return (0.6f * buzz + hiss) * gate * attackDecay(t, 0.005f, 0.25f);
    });
    finishEffect(sound, itemPeak);
    return sound;
}

Sound swapWarp()
{
    // Two tones crossing each other, one rising, one falling, with a fast shimmer.
    Sound sound = sweepTone(Wave::Sine, 300.f, 1200.f, 0.5f, 0.03f, 0.3f);
    mixAt(sound, sweepTone(Wave::Sine, 1200.f, 300.f, 0.5f, 0.03f, 0.3f), 0.f, 1.f);
    Phase tremolo;
    for (float& sample : sound.samples)
        sample *= 0.6f + 0.4f * sineWave(tremolo.advance(28.f, 44100));
    finishEffect(sound, itemPeak);
    return sound;
}

Sound stopChime()
{
    const std::vector<float> partials = {1.f, 2.f, 2.76f, 5.4f};
    Sound sound = bell(midiHertz(88.f), partials, 1.0f, 0.35f);
    mixAt(sound, bell(midiHertz(84.f), partials, 0.82f, 0.4f), 0.18f, 1.f);
    finishEffect(sound, itemPeak);
    return sound;
}

// A brassy note: a saw whose low-pass opens as it is blown, then settles.
Sound brass(float note, float seconds)
{
    Phase phase;
    Phase detuned;
    Biquad filter;
    const float hertz = midiHertz(note);
    return synth(seconds, [&](float t) {
        const float opening = std::min(1.f, t / 0.04f);
        filter.lowpass(hertz * (1.5f + 4.f * opening * std::exp(-t / 0.3f)) + 300.f, 0.9f, 44100);
        const float wave = phase.saw(hertz, 44100) + detuned.saw(hertz * 1.004f, 44100);
        const float release = std::min(1.f, (seconds - t) / 0.08f);
        return filter.process(wave) * opening * release;
    });
}

Sound flagFanfare()
{
    Sound sound = brass(67.f, 0.12f);
    mixAt(sound, brass(72.f, 0.12f), 0.13f, 1.f);
    mixAt(sound, brass(76.f, 0.12f), 0.26f, 1.f);
    mixAt(sound, brass(79.f, 0.8f), 0.39f, 1.f);
    mixAt(sound, brass(72.f, 0.8f), 0.39f, 0.5f);
    mixAt(sound, brass(76.f, 0.8f), 0.39f, 0.5f);
    finishEffect(sound, itemPeak);
    return sound;
}

}  // namespace

std::vector<EffectRecipe> menuAndItemEffects()
{
    return {
        {"HOVER", "Assets/Sounds/Menu_SFX/Hover.wav", hover},
        {"CONFIRM", "Assets/Sounds/Menu_SFX/Confirm.wav", confirm},
        {"CRATEOPEN", "Assets/Sounds/Items/CrateOpen.wav", crateOpen},
        {"SPEED", "Assets/Sounds/Items/Speed.wav", speedUp},
        {"SLOW", "Assets/Sounds/Items/Slow.wav", slowDown},
        {"STUN", "Assets/Sounds/Items/Stun.wav", stunZap},
        {"SWAP", "Assets/Sounds/Items/Swap.wav", swapWarp},
        {"STOP", "Assets/Sounds/Items/Stop.wav", stopChime},
        {"FLAGOBTAINED", "Assets/Sounds/Common_SFX/Flags/FlagObtained.wav", flagFanfare},
    };
}
