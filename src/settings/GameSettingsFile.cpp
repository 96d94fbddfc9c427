#include "settings/GameSettings.h"

#include "resources/Paths.h"

#include <algorithm>
#include <iostream>
#include <sstream>

const char* const gameSettingsPath = "assets/settings/gamesettings.txt";

namespace {

std::string shownNumber(float value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

void readFlag(const Word& word, GameSettings& settings, Problems& problems)
{
    int flag = 0;
    if (parseIntWord(word.text, flag) && (flag == 0 || flag == 1)) {
        settings.fullscreen = flag == 1;
        return;
    }
    problems.push_back({word.line, quotedWord(word.text) +
                                       " is not 0 or 1 (windowed or full screen); the display stays " +
                                       (settings.fullscreen ? "full screen" : "windowed")});
}

// One volume; a word that is no volume leaves `volume` as it was.
void readVolume(const Word& word, const char* what, float& volume, Problems& problems)
{
    float read = 0.f;
    if (!parseFloatWord(word.text, read)) {
        problems.push_back({word.line, quotedWord(word.text) + " is not a number; the " + what + " volume stays " +
                                           shownNumber(volume)});
        return;
    }
    volume = std::clamp(read, 0.f, 1.f);
    if (volume != read)
        problems.push_back({word.line, std::string("the ") + what + " volume " + quotedWord(word.text) +
                                           " is outside 0..1; it is read as " + shownNumber(volume)});
}

}  // namespace

Problems parseGameSettings(std::string_view text, GameSettings& settings)
{
    Problems problems;
    WordScanner words(text);
    Word word;
    if (words.next(word))
        readFlag(word, settings, problems);
    // Missing volumes keep the old reading rule: a temporary that starts at 0.
    float temporary = 0.f;
    for (const char* what : {"effect", "music"}) {
        float& volume = what[0] == 'e' ? settings.sfxVolume : settings.musicVolume;
        if (words.next(word)) {
            readVolume(word, what, volume, problems);
            temporary = volume;
        } else {
            volume = temporary;
            problems.push_back({words.line(), std::string("the ") + what + " volume is missing; it is set to " +
                                                  shownNumber(volume)});
        }
    }
    return problems;
}

std::string formatGameSettings(const GameSettings& settings)
{
    std::ostringstream out;
    out << (settings.fullscreen ? 1 : 0) << '\n' << settings.sfxVolume << '\n' << settings.musicVolume << '\n';
    return out.str();
}

bool readGameSettings(GameSettings& settings, Problems& problems)
{
    const TextFile file = readTextFile(gameSettingsPath, problems, "full screen and the default volumes are used");
    if (file.status != TextFileStatus::Read) {
        std::cout << "Load error" << std::flush;
        return false;
    }
    const Problems found = parseGameSettings(file.text, settings);
    problems.insert(problems.end(), found.begin(), found.end());
    return true;
}

bool writeGameSettings(const GameSettings& settings)
{
    if (writeFileAtomically(gameSettingsPath, formatGameSettings(settings)))
        return true;
    std::cout << "Load error" << std::flush;
    return false;
}
