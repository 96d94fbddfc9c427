#include "audio/EffectKit.h"
#include "audio/SoundEffects.h"

#include <algorithm>

// Sounds of the fighters: swings, skills, jumps, parries, death and respawn.
// Physical sounds (air, metal, ground) are noise and inharmonic partials;
// jumps and respawn are tonal, like the interface.

namespace {

const float actionPeak = 0.85f;
const float jumpPeak = 0.6f;

const std::vector<float> metalPartials = {1.f, 2.32f, 4.25f, 6.63f, 8.9f};

Sound bladeSwipe()
{
    Sound sound = noiseSweep(101, 900.f, 5000.f, 1.5f, 0.22f, 0.02f, 0.06f);
    mixAt(sound, bell(3200.f, {1.f, 1.47f, 2.09f}, 0.3f, 0.08f), 0.03f, 0.12f);
    finishEffect(sound, actionPeak);
    return sound;
}

Sound dashWhoosh()
{
    Sound sound = whoosh(102, 300.f, 3000.f, 0.45f, 0.15f);
    mixAt(sound, sweepTone(Wave::Sine, 180.f, 60.f, 0.3f, 0.02f, 0.1f), 0.f, 0.3f);
    finishEffect(sound, actionPeak);
    return sound;
}

Sound punchSwing()
{
    Sound sound = whoosh(103, 500.f, 2500.f, 0.18f, 0.06f);
    mixAt(sound, thump(140.f, 60.f, 0.12f, 0.04f), 0.05f, 0.5f);
    finishEffect(sound, actionPeak);
    return sound;
}

Sound gunshot()
{
    // Crack, body, low thump and a short echo off the jungle.
    Noise noise(104);
    Biquad crack;
    Biquad body;
    Biquad echo;
    crack.highpass(1000.f, 0.7f, 44100);
    body.lowpass(2000.f, 0.7f, 44100);
    echo.bandpass(600.f, 1.f, 44100);
    Sound sound = synth(0.45f, [&](float t) {
        const float n = noise.bipolar();
        return crack.process(n) * attackDecay(t, 0.0005f, 0.015f) + body.process(n) * attackDecay(t, 0.001f, 0.06f) +
               echo.process(n) * 0.6f * attackDecay(t - 0.09f, 0.01f, 0.12f);
    });
    mixAt(sound, thump(150.f, 45.f, 0.2f, 0.08f), 0.f, 0.9f);
    for (float& sample : sound.samples)
        sample = softClip(sample * 1.5f);
    finishEffect(sound, 0.9f);
    return sound;
}

Sound heavySwing()
{
    Sound sound = whoosh(105, 120.f, 900.f, 0.5f, 0.22f);
    mixAt(sound, sweepTone(Wave::Sine, 70.f, 40.f, 0.45f, 0.15f, 0.15f), 0.f, 0.35f);
    finishEffect(sound, actionPeak);
    return sound;
}

Sound groundImpact()
{
    // A deep, driven boom, the crunch of the ground and falling debris.
    Sound sound = thump(95.f, 32.f, 0.9f, 0.25f);
    for (float& sample : sound.samples)
        sample = softClip(sample * 2.f);
    Noise noise(106);
    Biquad crunch;
    crunch.lowpass(1200.f, 0.8f, 44100);
    mixAt(sound, synth(0.3f, [&](float t) { return crunch.process(noise.bipolar()) * attackDecay(t, 0.001f, 0.08f); }),
          0.f, 1.2f);
    for (int grain = 0; grain < 12; ++grain) {
        const float at = 0.05f + 0.45f * noise.unit();
        const float pitch = 1500.f + 2500.f * noise.unit();
        mixAt(sound, noiseSweep(200 + grain, pitch, pitch, 5.f, 0.04f, 0.001f, 0.008f), at, 0.5f * (1.f - at));
    }
    finishEffect(sound, 0.9f);
    return sound;
}

Sound shieldBreak()
{
    // Glass shattering: scattered high pings over a burst, and the shield's
    // hum powering down.
    Noise noise(107);
    Sound sound = noiseSweep(108, 5000.f, 3000.f, 0.8f, 0.3f, 0.001f, 0.05f);
    for (int shard = 0; shard < 30; ++shard) {
        const float at = 0.35f * noise.unit() * noise.unit();
        const float pitch = 2000.f + 5000.f * noise.unit();
        const float decay = 0.03f + 0.09f * noise.unit();
        mixAt(sound, bell(pitch, {1.f, 1.53f}, 0.25f, decay), at, 0.35f * (1.f - at * 2.f));
    }
    mixAt(sound, sweepTone(Wave::Triangle, 900.f, 200.f, 0.55f, 0.01f, 0.2f), 0.02f, 0.4f);
    finishEffect(sound, actionPeak);
    return sound;
}

Sound death()
{
    Sound sound = sweepTone(Wave::Square, 600.f, 70.f, 0.9f, 0.005f, 0.3f);
    Biquad tone;
    for (float& sample : sound.samples) {
        tone.lowpass(1800.f, 0.7f, 44100);
        sample = tone.process(sample);
    }
    mixAt(sound, noiseSweep(109, 2000.f, 500.f, 0.7f, 0.15f, 0.001f, 0.04f), 0.f, 1.5f);
    mixAt(sound, thump(120.f, 40.f, 0.4f, 0.1f), 0.f, 0.8f);
    finishEffect(sound, actionPeak);
    return sound;
}

Sound respawn()
{
    Sound sound = arpeggio(Wave::Triangle, {72.f, 79.f, 84.f, 88.f, 91.f}, 0.06f, 0.25f, 0.9f);
    mixAt(sound, arpeggio(Wave::Sine, {72.1f, 79.1f, 84.1f, 88.1f, 91.1f}, 0.06f, 0.3f, 0.9f), 0.f, 0.5f);
    mixAt(sound, noiseSweep(110, 3000.f, 9000.f, 1.f, 0.6f, 0.3f, 0.15f), 0.05f, 0.6f);
    finishEffect(sound, actionPeak);
    return sound;
}

Sound jump()
{
    Sound sound = sweepTone(Wave::Square, 200.f, 550.f, 0.15f, 0.003f, 0.06f);
    Biquad tone;
    tone.lowpass(2500.f, 0.7f, 44100);
    for (float& sample : sound.samples)
        sample = tone.process(sample);
    finishEffect(sound, jumpPeak);
    return sound;
}

Sound doubleJump()
{
    Sound sound = sweepTone(Wave::Triangle, 350.f, 800.f, 0.1f, 0.003f, 0.04f);
    mixAt(sound, sweepTone(Wave::Triangle, 500.f, 1100.f, 0.14f, 0.003f, 0.05f), 0.06f, 1.f);
    mixAt(sound, whoosh(111, 1000.f, 4000.f, 0.2f, 0.06f), 0.f, 0.5f);
    finishEffect(sound, jumpPeak);
    return sound;
}

Sound parryClang()
{
    Sound sound = bell(880.f, metalPartials, 0.5f, 0.12f);
    mixAt(sound, noiseSweep(112, 4000.f, 4000.f, 0.7f, 0.05f, 0.0005f, 0.01f), 0.f, 2.f);
    finishEffect(sound, actionPeak);
    return sound;
}

Sound parrySuccess()
{
    Sound sound = bell(1320.f, metalPartials, 0.7f, 0.1f);
    mixAt(sound, noiseSweep(113, 5000.f, 5000.f, 0.7f, 0.05f, 0.0005f, 0.01f), 0.f, 2.f);
    mixAt(sound, arpeggio(Wave::Sine, {91.f, 96.f}, 0.08f, 0.2f, 0.6f), 0.08f, 0.8f);
    finishEffect(sound, actionPeak);
    return sound;
}

}  // namespace

std::vector<EffectRecipe> fighterEffects()
{
    return {
        {"A_ATTACK", "Assets/Sounds/1_Atoola/A_Attack.wav", bladeSwipe},
        {"A_DASH", "Assets/Sounds/1_Atoola/A_Dash.wav", dashWhoosh},
        {"N_ATTACK", "Assets/Sounds/2_Napollo/N_Attack.wav", punchSwing},
        {"N_SHOOT", "Assets/Sounds/2_Napollo/N_Shoot.wav", gunshot},
        {"G_ATTACK", "Assets/Sounds/3_Gigachill/G_Attack.wav", heavySwing},
        {"G_IMPACT", "Assets/Sounds/3_Gigachill/G_Impact.wav", groundImpact},
        {"G_LOSESHIELD", "Assets/Sounds/3_Gigachill/G_LoseShield.wav", shieldBreak},
        {"DEATH", "Assets/Sounds/Common_SFX/Death/Death.wav", death},
        {"RESPAWN", "Assets/Sounds/Common_SFX/Death/Respawn.wav", respawn},
        {"JUMP", "Assets/Sounds/Common_SFX/Jumps/Jump.wav", jump},
        {"DOUBLEJUMP", "Assets/Sounds/Common_SFX/Jumps/DoubleJump.wav", doubleJump},
        {"PARRY", "Assets/Sounds/Common_SFX/Parry/Parry.wav", parryClang},
        {"PARRYSUCESS", "Assets/Sounds/Common_SFX/Parry/ParrySuccess.wav", parrySuccess},
    };
}
