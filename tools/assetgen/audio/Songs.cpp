#include "audio/Songs.h"

// Chord shapes, in semitones above the root.
namespace {

const std::vector<float> major = {0, 4, 7};
const std::vector<float> minor = {0, 3, 7};
const std::vector<float> major7 = {0, 4, 7, 11};
const std::vector<float> minor7 = {0, 3, 7, 10};
const std::vector<float> dominant7 = {0, 4, 7, 10};

// Chord roots in the bass octave (MIDI).
const float C = 36, D = 38, E = 40, F = 41, G = 43, A = 45, B = 47;

Line line(Instrument instrument, float gain, float pan, float echo)
{
    return Line{instrument, gain, pan, echo, {}};
}

Song loop(float bpm, int beats, float echoBeats, float echoFeedback)
{
    Song song;
    song.bpm = bpm;
    song.beats = beats;
    song.echoBeats = echoBeats;
    song.echoFeedback = echoFeedback;
    return song;
}

}  // namespace

Song titleSong()
{
    // 20 bars: four of introduction, then the bell tune over the changes.
    const std::vector<Chord> changes = {
        {D, major}, {A, major}, {B, minor}, {G, major}, {D, major}, {A, major}, {G, major}, {A, major},
        {B, minor}, {G, major}, {D, major}, {A, major}, {B, minor}, {G, major}, {E, minor}, {A, major},
        {D, major}, {A, major}, {G, major}, {A, major}};
    Song song = loop(100.f, 80, 0.75f, 0.35f);

    Line pad = line(Instrument::Pad, 0.22f, 0.f, 0.f);
    addHeldChords(pad, changes, 0, 20, 2, 0.8f);
    Line bass = line(Instrument::Bass, 0.5f, 0.f, 0.f);
    addStepPattern(bass, changes, "r-----r-r-------", 0, 4, 0);
    addStepPattern(bass, changes, "r-----r-r---f-o-", 4, 16, 0);
    Line arp = line(Instrument::Pluck, 0.3f, -0.35f, 0.35f);
    addArpeggio(arp, changes, {0, 1, 2, 3, 4, 3, 2, 1}, 0.5f, 0, 20, 2, 0.8f);
    Line bells = line(Instrument::Bell, 0.25f, 0.3f, 0.4f);
    const float tonic = 62;  // D4
    addPhrase(bells, tonic, majorScale,
              "4/1 2/0.5 4/0.5 7/1.5 4/0.5  6/1 4/0.5 6/0.5 8/2  7/1 5/0.5 3/0.5 5/1 4/1  6/1.5 4/0.5 1/1 r/1 "
              "5/1 7/0.5 9/0.5 9/1 7/1  8/1 7/0.5 5/0.5 3/2  4/1 7/1 9/1 7/1  8/1.5 6/0.5 4/2 "
              "5/0.5 7/0.5 9/1 8/0.5 7/0.5 5/1  3/0.5 5/0.5 7/1 5/1 3/1  1/1 3/0.5 5/0.5 8/1.5 7/0.5  6/2 4/1 r/1 "
              "4/1 2/0.5 4/0.5 7/1.5 9/0.5  8/1 6/0.5 4/0.5 6/2  7/1 5/1 3/1 5/1  4/3 r/1",
              16.f, 0.9f);
    Line kick = line(Instrument::Kick, 0.55f, 0.f, 0.f);
    addStepPattern(kick, changes, "X.......X.x.....", 4, 16, 0);
    Line snare = line(Instrument::Snare, 0.35f, 0.1f, 0.1f);
    addStepPattern(snare, changes, "....X.......X...", 4, 16, 0);
    Line hats = line(Instrument::HiHat, 0.16f, 0.25f, 0.f);
    addStepPattern(hats, changes, "x.x.X.x.x.x.X.x-", 0, 20, 0);
    song.lines = {pad, bass, arp, bells, kick, snare, hats};
    return song;
}

Song menuSong()
{
    // 18 bars of lazy sevenths; the marimba tune comes in after four.
    const std::vector<Chord> changes = {
        {F, major7}, {E, minor7}, {D, minor7}, {C, major7}, {F, major7}, {E, minor7}, {D, minor7}, {C, major7},
        {F, major7}, {E, minor7}, {D, minor7}, {C, major7}, {F, major7}, {E, minor7}, {D, minor7}, {C, major7},
        {D, minor7}, {G, dominant7}};
    Song song = loop(90.f, 72, 1.f, 0.3f);
    song.swing = 0.08f;

    Line keys = line(Instrument::EPiano, 0.2f, -0.2f, 0.2f);
    addStepPattern(keys, changes, "o-----o---------", 0, 18, 0);
    for (int voice = 1; voice < 4; ++voice) {
        // The chord's upper tones, comped with the root's rhythm.
        Line upper = line(Instrument::EPiano, 0.16f, -0.2f + 0.15f * float(voice), 0.2f);
        for (int bar = 0; bar < 18; ++bar) {
            const Chord& chord = changes[std::size_t(bar)];
            const float pitch = chord.root + 24.f + chord.tones[std::size_t(voice)];
            upper.notes.push_back({float(bar) * 4.f, 1.5f, pitch, 0.7f});
            upper.notes.push_back({float(bar) * 4.f + 1.5f, 2.5f, pitch, 0.55f});
        }
        song.lines.push_back(upper);
    }
    Line bass = line(Instrument::Bass, 0.45f, 0.f, 0.f);
    addStepPattern(bass, changes, "r-------f---t-..", 0, 18, 0);
    Line tune = line(Instrument::Marimba, 0.4f, 0.25f, 0.45f);
    addPhrase(tune, 60, majorScale,
              "r/0.5 9/0.5 7/1 5/2  6/1.5 4/0.5 2/2  3/1 5/0.5 7/0.5 8/2  6/1 4/1 2/2 "
              "r/1 5/0.5 7/0.5 9/1 8/1  6/2 4/1 6/1  5/1 3/1 1/1 3/1  2/3 r/1 "
              "7/0.5 9/0.5 11/1 9/2  8/1 6/1 4/2  5/1.5 3/0.5 5/1 7/1  6/1 7/3 "
              "r/4  r/2 4/0.5 6/0.5 8/1",
              16.f, 0.8f);
    Line kick = line(Instrument::Kick, 0.45f, 0.f, 0.f);
    addStepPattern(kick, changes, "X.....x...X.....", 0, 18, 0);
    Line rim = line(Instrument::Rim, 0.45f, -0.15f, 0.15f);
    addStepPattern(rim, changes, "....X.......X..x", 0, 18, 0);
    Line shaker = line(Instrument::Shaker, 0.2f, 0.35f, 0.f);
    addStepPattern(shaker, changes, "x.X.x.X.x.X.x.X.", 0, 18, 0);
    song.lines.insert(song.lines.end(), {keys, bass, tune, kick, rim, shaker});
    return song;
}

Song jungleSong()
{
    // 28 bars: a drum-and-marimba groove, the lead's call, its answer an
    // octave up, then a break that runs back into the groove.
    const std::vector<Chord> changes = {{A, minor}, {F, major}, {G, major}, {E, minor}};
    Song song = loop(140.f, 112, 0.75f, 0.3f);

    Line pad = line(Instrument::Pad, 0.12f, 0.f, 0.f);
    addHeldChords(pad, changes, 0, 28, 2, 0.7f);
    Line bass = line(Instrument::Bass, 0.5f, 0.f, 0.f);
    addStepPattern(bass, changes, "r.o.r.o.r.o.r-o.", 0, 24, 0);
    addStepPattern(bass, changes, "R.......R..r.-..", 24, 4, 0);
    Line marimba = line(Instrument::Marimba, 0.2f, -0.3f, 0.25f);
    addArpeggio(marimba, changes, {0, 2, 4, 2, 3, 2, 1, 2}, 0.25f, 0, 24, 2, 0.8f);
    Line lead = line(Instrument::Lead, 0.3f, 0.15f, 0.35f);
    const float tonic = 57;  // A3
    const char* call = "4/0.5 4/0.5 7/0.5 4/0.5 r/0.5 2/0.5 4/1  5/0.5 5/0.5 7/0.5 5/0.5 r/0.5 2/0.5 0/1 "
                       "6/0.5 6/0.5 8/0.5 6/0.5 r/0.5 4/0.5 3/1";
    const char* answer = "7/1 9/0.5 7/0.5 11/1 9/1  12/1 11/0.5 9/0.5 7/2  8/0.5 10/0.5 11/1 10/1 8/1";
    float beat = addPhrase(lead, tonic, minorScale, call, 32.f, 0.9f);
    beat = addPhrase(lead, tonic, minorScale, "4/1.5 6/0.5 8/1 6/1", beat, 0.9f);
    beat = addPhrase(lead, tonic, minorScale, call, beat, 0.9f);
    beat = addPhrase(lead, tonic, minorScale, "4/1 1/1 4/2", beat, 0.9f);
    beat = addPhrase(lead, tonic, minorScale, answer, beat, 1.f);
    beat = addPhrase(lead, tonic, minorScale, "11/2 r/0.5 8/0.5 6/1", beat, 1.f);
    beat = addPhrase(lead, tonic, minorScale, answer, beat, 1.f);
    beat = addPhrase(lead, tonic, minorScale, "11/1 10/1 8/1 7/1", beat, 1.f);
    addPhrase(lead, tonic, minorScale,
              "7/0.5 r/1.5 7/0.5 9/0.5 r/1  7/0.5 r/1.5 7/0.5 9/0.5 r/1  8/0.5 r/1.5 8/0.5 10/0.5 r/1 "
              "4/0.5 6/0.5 7/0.5 8/0.5 9/0.5 10/0.5 11/1",
              beat, 0.9f);

    Line kick = line(Instrument::Kick, 0.45f, 0.f, 0.f);
    addStepPattern(kick, changes, "X...X...X...X..x", 0, 24, 0);
    addStepPattern(kick, changes, "X.....X...X.....", 24, 4, 0);
    Line snare = line(Instrument::Snare, 0.4f, 0.1f, 0.1f);
    addStepPattern(snare, changes, "....X..x....X...", 0, 24, 0);
    addStepPattern(snare, changes, "....X.......X.xx", 24, 3, 0);
    addStepPattern(snare, changes, "X.x.X.x.XxXxXXXX", 27, 1, 0);
    Line shaker = line(Instrument::Shaker, 0.18f, 0.4f, 0.f);
    addStepPattern(shaker, changes, "xxXxxxXxxxXxxxXx", 0, 28, 0);
    Line congaHigh = line(Instrument::Conga, 0.3f, -0.45f, 0.1f);
    addStepPattern(congaHigh, changes, "..x..x....x.x...", 0, 28, 74);
    Line congaLow = line(Instrument::Conga, 0.3f, -0.2f, 0.1f);
    addStepPattern(congaLow, changes, "x......X..X.....", 8, 20, 64);
    song.lines = {pad, bass, marimba, lead, kick, snare, shaker, congaHigh, congaLow};
    return song;
}
