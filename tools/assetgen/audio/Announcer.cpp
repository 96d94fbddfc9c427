#include "audio/Announcer.h"

#include "AssetWriter.h"
#include "audio/EffectKit.h"

#include <SFML/Audio/InputSoundFile.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

const char* const fightPath = "Assets/Sounds/Announcer/Fight.wav";
const char* const p1WinsPath = "Assets/Sounds/Announcer/P1Wins.wav";
const char* const p2WinsPath = "Assets/Sounds/Announcer/P2Wins.wav";

// The countdown shows "3", "2", "1", "FIGHT !" one second apart and asks for
// the line on every frame until it ends: the line lasts a little longer than
// the countdown so it is heard exactly once.
const float countdownStep = 1.0f;        // s between the words
const float countdownLength = 4.25f;     // s, the whole line
const float wordLead = 0.04f;            // s of silence before each word
const float winLead = 0.1f;              // s before "Player n wins!"
const float announcerPeak = 0.89f;       // about -1 dBFS
const float silenceThreshold = 0.02f;    // fraction of the word's peak

struct Voice {
    int pitch;  // espeak-ng 0..99
    int speed;  // words per minute
};
const Voice callVoice = {32, 140};
const Voice fightVoice = {48, 120};

bool speechAvailable()
{
    return std::system("espeak-ng --version >/dev/null 2>&1") == 0;
}

Sound readSpeech(const fs::path& file)
{
    Sound sound;
    sf::InputSoundFile input;
    if (!input.openFromFile(file.string()))
        return sound;
    std::vector<std::int16_t> pcm(std::size_t(input.getSampleCount()));
    pcm.resize(std::size_t(input.read(pcm.data(), pcm.size())));
    sound.sampleRate = input.getSampleRate();
    sound.channels = input.getChannelCount();
    sound.samples.reserve(pcm.size());
    for (std::int16_t sample : pcm)
        sound.samples.push_back(float(sample) / 32768.f);
    return sound;
}

// Speaks `text` (fixed words without quotes) into a scratch file and reads it back.
Sound speak(AssetContext& ctx, const std::string& text, Voice voice)
{
    const fs::path scratch = ctx.runDir / "Assets/Sounds/Announcer/speech.scratch.wav";
    std::error_code error;
    fs::create_directories(scratch.parent_path(), error);
    const std::string command = "espeak-ng -v en-us -p " + std::to_string(voice.pitch) + " -s " +
                                std::to_string(voice.speed) + " -w '" + scratch.string() + "' '" + text + "'";
    Sound sound;
    if (std::system(command.c_str()) == 0)
        sound = readSpeech(scratch);
    fs::remove(scratch, error);
    if (sound.samples.empty()) {
        ++ctx.failures;
        std::printf("assetgen: espeak-ng could not speak \"%s\"\n", text.c_str());
    }
    return sound;
}

// Cuts the silence the synthesiser leaves around a word.
Sound trimmed(const Sound& sound)
{
    const float threshold = peakLevel(sound) * silenceThreshold;
    std::size_t first = 0;
    std::size_t last = sound.samples.size();
    while (first < last && std::fabs(sound.samples[first]) < threshold)
        ++first;
    while (last > first && std::fabs(sound.samples[last - 1]) < threshold)
        --last;
    Sound cut = sound;
    cut.samples.assign(sound.samples.begin() + long(first), sound.samples.begin() + long(last));
    fadeEdges(cut, 0.005f, 0.02f);
    return cut;
}

// A short slap-back of an arena, so the voice does not sound dry and small.
void addArenaEcho(Sound& sound)
{
    const Sound dry = sound;
    mixAt(sound, dry, 0.085f, 0.28f);
    mixAt(sound, dry, 0.19f, 0.12f);
}

void finishLine(Sound& line, float seconds)
{
    addArenaEcho(line);
    line.samples.resize(std::size_t(seconds * float(line.sampleRate)) * line.channels, 0.f);
    fadeEdges(line, 0.002f, 0.05f);
    normalise(line, announcerPeak);
}

Sound spokenCountdown(AssetContext& ctx)
{
    const char* const words[] = {"three", "two", "one", "fight!"};
    Sound line;
    for (int i = 0; i < 4; ++i) {
        Sound word = trimmed(speak(ctx, words[i], i == 3 ? fightVoice : callVoice));
        normalise(word, i == 3 ? 1.f : 0.8f);
        line.sampleRate = word.sampleRate;
        mixAt(line, word, countdownStep * float(i) + wordLead, 1.f);
    }
    finishLine(line, countdownLength);
    return line;
}

Sound spokenWin(AssetContext& ctx, const std::string& text)
{
    Sound words = trimmed(speak(ctx, text, callVoice));
    Sound line;
    line.sampleRate = words.sampleRate;
    mixAt(line, words, winLead, 1.f);
    finishLine(line, line.seconds() + 0.4f);
    return line;
}

// Stand-ins without a voice: three ticks and a gong for the countdown, one or
// two rising chimes for the winner.
Sound signalCountdown()
{
    Sound line = silence(countdownLength);
    for (int i = 0; i < 3; ++i)
        mixAt(line, sweepTone(Wave::Triangle, 880.f, 880.f, 0.3f, 0.004f, 0.08f), countdownStep * float(i), 0.7f);
    mixAt(line, bell(440.f, {1.f, 2.f, 3.01f, 4.2f}, 1.f, 0.4f), countdownStep * 3.f, 1.f);
    normalise(line, announcerPeak);
    return line;
}

Sound signalWin(int player)
{
    Sound line = silence(1.5f);
    for (int i = 0; i < player; ++i)
        mixAt(line, arpeggio(Wave::Triangle, {72.f, 76.f, 79.f}, 0.08f, 0.2f, 0.6f), 0.4f * float(i), 1.f);
    normalise(line, announcerPeak);
    return line;
}

}  // namespace

void generateAnnouncer(AssetContext& ctx)
{
    if (!speechAvailable()) {
        std::printf("assetgen: espeak-ng is not installed; the announcer lines are synthesised signals "
                    "instead of speech (bash scripts/setup.sh installs it)\n");
        writeWav(ctx, fightPath, signalCountdown());
        writeWav(ctx, p1WinsPath, signalWin(1));
        writeWav(ctx, p2WinsPath, signalWin(2));
        return;
    }
    writeWav(ctx, fightPath, spokenCountdown(ctx));
    writeWav(ctx, p1WinsPath, spokenWin(ctx, "Player one wins!"));
    writeWav(ctx, p2WinsPath, spokenWin(ctx, "Player two wins!"));
}
