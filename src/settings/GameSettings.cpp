#include "settings/GameSettings.h"

#include "app/Game.h"
#include "audio/Audio.h"
#include "resources/Paths.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>

const char* const gameSettingsPath = "assets/settings/gamesettings.txt";

namespace {

float keepInRange(float volume)
{
    if (!std::isfinite(volume))
        return 0.f;
    return std::clamp(volume, 0.f, 1.f);
}

// The flag, then two volumes. After a failed read every later read fails
// too, and each volume gets the temporary's 0.
void readValues(std::istream& in, GameSettings& settings)
{
    int flag = 0;
    if (in >> flag) {
        if (flag == 0 || flag == 1)
            settings.fullscreen = flag == 1;
        else
            in.setstate(std::ios::failbit);
    }
    float volume = 0.f;
    in >> volume;
    settings.sfxVolume = keepInRange(volume);
    in >> volume;
    settings.musicVolume = keepInRange(volume);
}

}  // namespace

void parseGameSettings(const std::string& text, GameSettings& settings)
{
    std::istringstream in(text);
    readValues(in, settings);
}

std::string formatGameSettings(const GameSettings& settings)
{
    std::ostringstream out;
    out << (settings.fullscreen ? 1 : 0) << '\n' << settings.sfxVolume << '\n' << settings.musicVolume << '\n';
    return out.str();
}

bool readGameSettings(GameSettings& settings)
{
    std::ifstream in(resolvePath(gameSettingsPath));
    if (!in) {
        std::cout << "Load error" << std::flush;
        return false;
    }
    readValues(in, settings);
    return true;
}

bool writeGameSettings(const GameSettings& settings)
{
    if (writeFileAtomically(gameSettingsPath, formatGameSettings(settings)))
        return true;
    std::cout << "Load error" << std::flush;
    return false;
}

void loadGameSettings(Game& game)
{
    GameSettings settings;
    settings.fullscreen = game.fullscreen;
    readGameSettings(settings);
    game.fullscreen = settings.fullscreen;
    audio().sfxVolume = settings.sfxVolume;
    audio().musicVolume = settings.musicVolume;
}

void saveGameSettings(const Game& game)
{
    GameSettings settings;
    settings.fullscreen = game.fullscreen;
    settings.sfxVolume = audio().sfxVolume;
    settings.musicVolume = audio().musicVolume;
    writeGameSettings(settings);
}
