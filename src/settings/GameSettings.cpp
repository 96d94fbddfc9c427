#include "settings/GameSettings.h"

#include "app/Game.h"
#include "audio/Audio.h"
#include "settings/PlayerFile.h"

#include <iostream>

void loadGameSettings(Game& game)
{
    GameSettings settings;
    settings.fullscreen = game.fullscreen;
    Problems problems;
    const bool read = readGameSettings(settings, problems);
    reportProblems(shownPath(gameSettingsPath), problems);
    game.playerFiles.settings.damaged = read && !problems.empty();
    game.fullscreen = settings.fullscreen;
    audio().sfxVolume = settings.sfxVolume;
    audio().musicVolume = settings.musicVolume;
}

void saveGameSettings(Game& game)
{
    GameSettings settings;
    settings.fullscreen = game.fullscreen;
    settings.sfxVolume = audio().sfxVolume;
    settings.musicVolume = audio().musicVolume;
    if (savePlayerFile(gameSettingsPath, formatGameSettings(settings), game.playerFiles.settings) ==
        SaveOutcome::Failed)
        std::cout << "Load error" << std::flush;
}
