#pragma once

#include "audio/Sequencer.h"

// The three music loops, each 48 s.
Song titleSong();   // inviting: D major, bells over plucked arpeggios, 100 BPM
Song menuSong();    // relaxed: C major seventh chords on electric piano, swung, 90 BPM
Song jungleSong();  // energetic: A minor, hand drums, marimba and a square lead, 140 BPM
