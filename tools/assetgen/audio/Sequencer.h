#pragma once

#include "audio/Instruments.h"
#include "audio/Sound.h"

#include <vector>

// A tiny sequencer for looping music. A song is a fixed number of beats; its
// lines of notes are rendered into a stereo loop in which anything that rings
// past the end (releases, echoes) wraps round onto the beginning, so the loop
// joins itself without a click.

struct Note {
    float beat;    // start, in beats from the loop start
    float beats;   // length
    float pitch;   // MIDI note number
    float velocity;
};

struct Line {
    Instrument instrument;
    float gain;   // mix level
    float pan;    // -1 left .. +1 right
    float echo;   // send to the song's echo, 0..1
    std::vector<Note> notes;
};

struct Song {
    float bpm = 120.f;
    int beats = 4;       // loop length
    float swing = 0.f;   // beats by which every off-beat eighth is late
    float echoBeats = 0.75f;
    float echoFeedback = 0.35f;
    std::vector<Line> lines;
};

// A chord: root MIDI note and its tones as semitones above the root.
struct Chord {
    float root;
    std::vector<float> tones;
};

// A scale as semitones above the tonic within one octave.
using Scale = std::vector<float>;
extern const Scale majorScale;
extern const Scale minorScale;

// Each chord held for a whole bar (4 beats), from bar `firstBar`, the
// progression repeating as long as needed, transposed by `octaves`.
void addHeldChords(Line& line, const std::vector<Chord>& progression, int firstBar, int bars, int octaves,
                   float velocity);
// A repeating 16-step bar. Step characters: '.' rest, '-' holds the previous
// note; any other character plays: 'r' the root, 'o' the root an octave up,
// 'f' the fifth, 't' the chord's second tone (its third), 'x' `pitch` as it
// stands. Upper case plays louder.
void addStepPattern(Line& line, const std::vector<Chord>& progression, const char* steps, int firstBar, int bars,
                    float pitch);
// The chord's tones in the order given by `order` (indices into the tones,
// each full round of the tones an octave higher), one every `stepBeats`.
void addArpeggio(Line& line, const std::vector<Chord>& progression, const std::vector<int>& order, float stepBeats,
                 int firstBar, int bars, int octaves, float velocity);
// A melody in scale degrees: "degree/beats" tokens separated by spaces, 0 the
// tonic, 7 the tonic an octave up, negative below; "r/beats" is a rest.
// Returns the beat after the phrase.
float addPhrase(Line& line, float tonic, const Scale& scale, const char* phrase, float startBeat, float velocity);

// Renders the loop: 44.1 kHz stereo, exactly `beats` long.
Sound renderSong(const Song& song);
