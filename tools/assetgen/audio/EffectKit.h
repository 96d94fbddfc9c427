#pragma once

#include "audio/Synth.h"

#include <cstdint>
#include <vector>

// Ready-made gestures the sound effects are built from. Every one returns a
// mono 44.1 kHz sound starting at time 0; effects mix them with mixAt.

// A tone gliding exponentially from `from` to `to` Hz over `seconds`.
Sound sweepTone(Wave wave, float from, float to, float seconds, float attack, float decay);
// Band-passed noise whose centre glides from `from` to `to` Hz.
Sound noiseSweep(std::uint32_t seed, float from, float to, float q, float seconds, float attack, float decay);
// Air pushed aside: band noise that swells to its loudest at `peakAt` seconds
// while its pitch rises from `lowHz` to `highHz`, then falls away.
Sound whoosh(std::uint32_t seed, float lowHz, float highHz, float seconds, float peakAt);
// A struck metal or glass tone: inharmonic partials (ratios of `hertz`), the
// higher ones dying faster.
Sound bell(float hertz, const std::vector<float>& ratios, float seconds, float decay);
// Notes (MIDI numbers) played one after the other every `step` seconds, each
// ringing out with time constant `decay`.
Sound arpeggio(Wave wave, const std::vector<float>& notes, float step, float decay, float seconds);
// A falling sine kick: the thump under impacts and shots.
Sound thump(float from, float to, float seconds, float decay);

// Final touch for every effect: clickless edges and a fixed peak level.
void finishEffect(Sound& sound, float peak);
