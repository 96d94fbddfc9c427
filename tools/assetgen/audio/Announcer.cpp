#include "audio/Announcer.h"

#include "AssetWriter.h"
#include "audio/EffectKit.h"

#include <SFML/Audio/InputSoundFile.hpp>

#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>
#include <vector>

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

// Runs a program found on PATH with its output discarded, without a shell
// (so no file name needs quoting). Returns its exit status, -1 when it
// could not be started.
int runQuietly(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int error = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (error != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

bool speechAvailable()
{
    return runQuietly({"espeak-ng", "--version"}) == 0;
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

// Speaks `text` into a scratch file and reads it back; empty when the
// synthesiser fails.
Sound speak(AssetContext& ctx, const std::string& text, Voice voice)
{
    const fs::path scratch = ctx.runDir / "Assets/Sounds/Announcer/speech.scratch.wav";
    std::error_code error;
    fs::create_directories(scratch.parent_path(), error);
    Sound sound;
    if (runQuietly({"espeak-ng", "-v", "en-us", "-p", std::to_string(voice.pitch), "-s", std::to_string(voice.speed),
                    "-w", scratch.string(), text}) == 0)
        sound = readSpeech(scratch);
    fs::remove(scratch, error);
    if (sound.samples.empty())
        std::printf("assetgen: espeak-ng could not speak \"%s\"\n", text.c_str());
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
        if (word.samples.empty())
            return Sound();
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
    if (words.samples.empty())
        return Sound();
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
    Sound fight, p1Wins, p2Wins;
    const bool speech = speechAvailable();
    if (speech) {
        fight = spokenCountdown(ctx);
        p1Wins = spokenWin(ctx, "Player one wins!");
        p2Wins = spokenWin(ctx, "Player two wins!");
    }
    if (fight.samples.empty() || p1Wins.samples.empty() || p2Wins.samples.empty()) {
        std::printf("assetgen: %s; the announcer lines are synthesised signals instead of speech "
                    "(bash scripts/setup.sh installs espeak-ng)\n",
                    speech ? "espeak-ng failed" : "espeak-ng is not installed");
        fight = signalCountdown();
        p1Wins = signalWin(1);
        p2Wins = signalWin(2);
    }
    writeWav(ctx, fightPath, fight);
    writeWav(ctx, p1WinsPath, p1Wins);
    writeWav(ctx, p2WinsPath, p2Wins);
}
