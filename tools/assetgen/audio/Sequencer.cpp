#include "audio/Sequencer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

const Scale majorScale = {0, 2, 4, 5, 7, 9, 11};
const Scale minorScale = {0, 2, 3, 5, 7, 8, 10};

namespace {

const unsigned rate = 44100;
const int stepsPerBar = 16;
const float beatsPerStep = 0.25f;
const int echoPasses = 6;   // rounds of the circular echo; the error left is feedback^passes
const float echoWetLevel = 0.5f;
const float songPeak = 0.89f;  // about -1 dBFS

const Chord& chordOfBar(const std::vector<Chord>& progression, int bar)
{
    return progression[std::size_t(bar) % progression.size()];
}

float stepPitch(char step, const Chord& chord, float pitch)
{
    switch (std::tolower(static_cast<unsigned char>(step))) {
    case 'r': return chord.root;
    case 'o': return chord.root + 12.f;
    case 'f': return chord.root + 7.f;
    case 't': return chord.root + (chord.tones.size() > 1 ? chord.tones[1] : 0.f);
    default: return pitch;
    }
}

std::size_t loopFrames(const Song& song)
{
    return std::size_t(std::lround(double(song.beats) * 60.0 / double(song.bpm) * rate));
}

float swung(float beat, float swing)
{
    const float within = beat - std::floor(beat);
    return std::fabs(within - 0.5f) < 0.01f ? beat + swing : beat;
}

// Adds a mono note into the stereo loop at `startFrame`, wrapping round.
void addWrapped(std::vector<float>& loop, std::size_t frames, const Sound& note, std::size_t startFrame, float left,
                float right)
{
    for (std::size_t i = 0; i < note.samples.size(); ++i) {
        const std::size_t frame = (startFrame + i) % frames;
        loop[frame * 2] += note.samples[i] * left;
        loop[frame * 2 + 1] += note.samples[i] * right;
    }
}

// A feedback echo run round the loop several times, so its tail at the end
// continues into the beginning. The right channel repeats later than the left.
std::vector<float> circularEcho(const std::vector<float>& send, std::size_t frames, const Song& song)
{
    const double secondsPerBeat = 60.0 / double(song.bpm);
    const std::size_t delays[2] = {std::size_t(song.echoBeats * secondsPerBeat * rate) % frames,
                                   std::size_t(song.echoBeats * 1.5 * secondsPerBeat * rate) % frames};
    std::vector<float> wet = send;
    for (int pass = 0; pass < echoPasses; ++pass)
        for (std::size_t frame = 0; frame < frames; ++frame)
            for (std::size_t channel = 0; channel < 2; ++channel) {
                const std::size_t from = (frame + frames - delays[channel]) % frames;
                wet[frame * 2 + channel] = send[frame * 2 + channel] + song.echoFeedback * wet[from * 2 + channel];
            }
    return wet;
}

}  // namespace

void addHeldChords(Line& line, const std::vector<Chord>& progression, int firstBar, int bars, int octaves,
                   float velocity)
{
    for (int bar = firstBar; bar < firstBar + bars; ++bar) {
        const Chord& chord = chordOfBar(progression, bar);
        for (float tone : chord.tones)
            line.notes.push_back({float(bar) * 4.f, 4.f, chord.root + tone + 12.f * float(octaves), velocity});
    }
}

void addStepPattern(Line& line, const std::vector<Chord>& progression, const char* steps, int firstBar, int bars,
                    float pitch)
{
    const int length = int(std::strlen(steps));
    for (int bar = firstBar; bar < firstBar + bars; ++bar) {
        const Chord& chord = chordOfBar(progression, bar);
        for (int step = 0; step < std::min(length, stepsPerBar); ++step) {
            const char c = steps[step];
            if (c == '.' || c == '-')
                continue;
            int heldSteps = 1;
            while (step + heldSteps < length && steps[step + heldSteps] == '-')
                ++heldSteps;
            const float velocity = std::isupper(static_cast<unsigned char>(c)) ? 1.f : 0.65f;
            line.notes.push_back({float(bar) * 4.f + float(step) * beatsPerStep, float(heldSteps) * beatsPerStep,
                                  stepPitch(c, chord, pitch), velocity});
        }
    }
}

void addArpeggio(Line& line, const std::vector<Chord>& progression, const std::vector<int>& order, float stepBeats,
                 int firstBar, int bars, int octaves, float velocity)
{
    const int perBar = int(std::lround(4.f / stepBeats));
    for (int bar = firstBar; bar < firstBar + bars; ++bar) {
        const Chord& chord = chordOfBar(progression, bar);
        const int count = int(chord.tones.size());
        for (int i = 0; i < perBar; ++i) {
            const int index = order[std::size_t(i) % order.size()];
            const float octave = 12.f * float(index / count + octaves);
            const float pitch = chord.root + chord.tones[std::size_t(index % count)] + octave;
            line.notes.push_back({float(bar) * 4.f + float(i) * stepBeats, stepBeats, pitch, velocity});
        }
    }
}

float addPhrase(Line& line, float tonic, const Scale& scale, const char* phrase, float startBeat, float velocity)
{
    std::istringstream tokens(phrase);
    std::string token;
    float beat = startBeat;
    while (tokens >> token) {
        const std::size_t slash = token.find('/');
        const float beats = std::stof(token.substr(slash + 1));
        const std::string degreeText = token.substr(0, slash);
        if (degreeText != "r") {
            const int degree = std::stoi(degreeText);
            const int size = int(scale.size());
            const int octave = degree >= 0 ? degree / size : -((-degree + size - 1) / size);
            const int within = degree - octave * size;
            line.notes.push_back({beat, beats, tonic + scale[std::size_t(within)] + 12.f * float(octave), velocity});
        }
        beat += beats;
    }
    return beat;
}

Sound renderSong(const Song& song)
{
    const std::size_t frames = loopFrames(song);
    const double framesPerBeat = 60.0 / double(song.bpm) * rate;
    std::vector<float> dry(frames * 2, 0.f);
    std::vector<float> send(frames * 2, 0.f);
    std::uint32_t seed = 1;
    for (const Line& line : song.lines) {
        const float angle = (line.pan + 1.f) * 0.25f * 3.14159265f;
        const float left = std::cos(angle) * line.gain;
        const float right = std::sin(angle) * line.gain;
        for (const Note& note : line.notes) {
            const Sound sound = playNote(line.instrument, note.pitch, float(note.beats * framesPerBeat / rate),
                                         note.velocity, seed++);
            const std::size_t start = std::size_t(std::lround(swung(note.beat, song.swing) * framesPerBeat)) % frames;
            addWrapped(dry, frames, sound, start, left, right);
            if (line.echo > 0.f)
                addWrapped(send, frames, sound, start, left * line.echo, right * line.echo);
        }
    }
    const std::vector<float> wet = circularEcho(send, frames, song);
    Sound loop;
    loop.channels = 2;
    loop.samples.resize(frames * 2);
    for (std::size_t i = 0; i < loop.samples.size(); ++i)
        loop.samples[i] = dry[i] + echoWetLevel * (wet[i] - send[i]);
    normalise(loop, songPeak);
    return loop;
}
