#pragma once

#include <string>

struct Game;

// The player's display mode and volumes, carried from one run to the next in
// "assets/settings/gamesettings.txt": the flag, then the effect volume, then
// the music volume, each on its own line.
struct GameSettings {
    bool fullscreen = true;
    float sfxVolume = 0.5f;    // fraction 0..1
    float musicVolume = 1.0f;  // fraction 0..1
};

extern const char* const gameSettingsPath;

// Reads the three values over `settings`. The flag must be 0 or 1; once a read
// fails, the flag keeps its value and each volume still read gets 0. Volumes
// are kept inside 0..1 (a hand-edited 7 or -3 cannot blow up the mixer).
void parseGameSettings(const std::string& text, GameSettings& settings);
std::string formatGameSettings(const GameSettings& settings);

// The file itself. Reading prints "Load error" and keeps `settings` when the
// file cannot be opened; writing replaces the file atomically and prints
// "Load error" when it cannot (the old file is then untouched).
bool readGameSettings(GameSettings& settings);
bool writeGameSettings(const GameSettings& settings);

// The Game's side: the flag lives in the Game, the volumes in the audio object.
void loadGameSettings(Game& game);
void saveGameSettings(const Game& game);
