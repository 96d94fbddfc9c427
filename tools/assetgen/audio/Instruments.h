#pragma once

#include "audio/Sound.h"

#include <cstdint>

// The instruments of the music. Each plays one note into a mono sound that
// starts at the note's start and includes its release or ring-out.
enum class Instrument {
    Pad,      // warm detuned saws, slow swell
    Bass,     // filtered saw over a sine, plucked
    Pluck,    // bright short saw pluck for arpeggios
    Lead,     // square and saw with delayed vibrato
    EPiano,   // soft two-operator FM electric piano
    Bell,     // inharmonic FM bell
    Marimba,  // wooden mallet
    Kick,
    Snare,
    HiHat,
    Shaker,
    Conga,    // tuned hand drum: the note's pitch is used
    Rim,
};

// `pitch` is a MIDI note number (ignored by the untuned drums), `held` the
// note's length in seconds, `velocity` 0..1; `seed` feeds the noise.
Sound playNote(Instrument instrument, float pitch, float held, float velocity, std::uint32_t seed);
