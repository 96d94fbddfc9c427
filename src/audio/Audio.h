#pragma once

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <memory>
#include <string>
#include <unordered_map>

// The process-wide audio object: a bank of short effects and a set of
// streamed music tracks, addressed by upper-case keys ("JUMP", "MENU").
// One voice per key: playing a key that is sounding does nothing, so an
// effect never overlaps itself and a track never restarts mid-way.

// One effect: the samples and the single voice that plays them. A key that
// was never loaded has no samples and stays silent.
struct SoundEntry {
    std::unique_ptr<sf::SoundBuffer> buffer;  // declared first: the voice goes before its samples
    sf::Sound voice;
};

using SoundBank = std::unordered_map<std::string, SoundEntry>;
// A null track is the empty slot a key outside the table gets.
using MusicPlayer = std::unordered_map<std::string, std::unique_ptr<sf::Music>>;

struct AudioSystem {
    float sfxVolume = 0.5f;    // effect volume, fraction 0..1
    float musicVolume = 1.0f;  // music volume, fraction 0..1
    SoundBank soundBank;
    MusicPlayer musicPlayer;
};

// The game's effects and tracks: key and file.
struct AudioFile {
    const char* key;
    const char* path;
};
constexpr int effectCount = 25;
constexpr int musicCount = 3;
extern const AudioFile effectTable[effectCount];
extern const AudioFile musicTable[musicCount];

// Created on the first call with the default volumes; lives until the process ends.
AudioSystem& audio();

// Load every effect and open every track of the game's tables (failures are
// counted by the loaders and leave a silent entry).
void buildSoundBank();
void buildMusic();

// Plays an effect at scale (0..100) x sfxVolume, unless it is already
// sounding; a paused voice continues where it was.
void playSound(const std::string& key, float scale);
// Starts the voice from the beginning whatever it is doing (footsteps).
void restartSound(const std::string& key, float scale);

// Plays a track at scale x musicVolume, looping, unless it is already playing
// (its volume is then left alone); a paused track continues where it was.
void playMusic(const std::string& key, float scale);
void stopMusic(const std::string& key);
// Pauses every playing track.
void pauseAllMusic();
// Pauses every playing track but `key`, which plays on (or continues where it
// was paused) at scale x musicVolume, the volume applied at once.
void playOnlyMusic(const std::string& key, float scale);
bool isMusicPlaying(const std::string& key);

// The entry of a key, created empty when the key is unknown (options sliders, tests).
SoundEntry& soundEntry(const std::string& key);
// The track of a key, or null for a key outside the table.
sf::Music* musicTrack(const std::string& key);
