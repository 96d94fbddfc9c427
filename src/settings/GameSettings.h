#pragma once

#include "resources/TextFile.h"

#include <string>
#include <string_view>

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

// Reads the three values over `settings` and returns what was wrong. A value
// that is there but bad (a flag other than 0 or 1, a word, nan, 1e308) keeps
// the value `settings` had; a volume outside 0..1 is brought inside. Values
// that are missing follow the file's old reading rule: a missing effect
// volume is 0 and a missing music volume repeats the effect volume.
Problems parseGameSettings(std::string_view text, GameSettings& settings);
std::string formatGameSettings(const GameSettings& settings);

// The file itself. Reading prints "Load error" and keeps `settings` when the
// file cannot be read (missing, a folder); `problems` gets every problem.
// Writing replaces the file atomically and prints "Load error" when it cannot
// (the old file is then untouched).
bool readGameSettings(GameSettings& settings, Problems& problems);
bool writeGameSettings(const GameSettings& settings);

// The Game's side: the flag lives in the Game, the volumes in the audio
// object. Problems are said on standard error; a file read with problems is
// kept as "gamesettings.txt.bad" when it is replaced, a read-only one is left.
void loadGameSettings(Game& game);
void saveGameSettings(Game& game);
