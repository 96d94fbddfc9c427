#include "settings/GameSettings.h"
#include "support/HostileFiles.h"

#include <gtest/gtest.h>

// Hostile gamesettings.txt files: each row says what the game must end up
// with and what it must say.

namespace {

using Row = HostileRow<GameSettings>;

std::function<void(const GameSettings&)> settingsAre(bool fullscreen, float sfx, float music)
{
    return [=](const GameSettings& settings) {
        EXPECT_EQ(settings.fullscreen, fullscreen);
        EXPECT_FLOAT_EQ(settings.sfxVolume, sfx);
        EXPECT_FLOAT_EQ(settings.musicVolume, music);
    };
}

const std::string good = "0\n0.25\n0.8\n";

const Row settingsRows[] = {
    {"Missing", missingFile(), settingsAre(true, 0.5f, 1.f), "is missing; full screen and the default volumes",
     "Load error"},
    {"FolderInPlace", folderInstead(), settingsAre(true, 0.5f, 1.f), "is a folder, not a file", "Load error"},
    {"Empty", bytesFile(""), settingsAre(true, 0.f, 0.f), "the effect volume is missing; it is set to 0", ""},
    {"TruncatedMidLine", bytesFile("0\n0.2"), settingsAre(false, 0.2f, 0.2f),
     "the music volume is missing; it is set to 0.2", ""},
    {"ByteOrderMarkAndCrlf", bytesFile(byteOrderMark + "0\r\n0.25\r\n0.8\r\n"), settingsAre(false, 0.25f, 0.8f), "",
     ""},
    {"NanVolume", bytesFile("0\nnan\n0.8\n"), settingsAre(false, 0.5f, 0.8f),
     "2: \"nan\" is not a number; the effect volume stays 0.5", ""},
    {"HugeVolume", bytesFile("0\n0.25\n1e308\n"), settingsAre(false, 0.25f, 1.f),
     "3: \"1e308\" is not a number; the music volume stays 1", ""},
    {"WordsForNumbers", bytesFile("yes\nloud\nquiet\n"), settingsAre(true, 0.5f, 1.f),
     "1: \"yes\" is not 0 or 1 (windowed or full screen); the display stays full screen", ""},
    {"FlagMinusOne", bytesFile("-1\n0.25\n0.8\n"), settingsAre(true, 0.25f, 0.8f), "\"-1\" is not 0 or 1", ""},
    {"FlagIntMax", bytesFile("2147483647\n0.25\n0.8\n"), settingsAre(true, 0.25f, 0.8f), "is not 0 or 1", ""},
    {"FlagIntMin", bytesFile("-2147483648\n0.25\n0.8\n"), settingsAre(true, 0.25f, 0.8f), "is not 0 or 1", ""},
    {"VolumesOutOfRange", bytesFile("1\n7\n-3\n"), settingsAre(true, 1.f, 0.f),
     "the effect volume \"7\" is outside 0..1; it is read as 1", ""},
    {"RandomBytes", bytesFile(randomBytes(4096)), settingsAre(true, 0.5f, 1.f), "is not 0 or 1", ""},
    {"FiftyMegabytes", fiftyMegabytes(good, "0.5 "), settingsAre(false, 0.25f, 0.8f),
     "is larger than 4 MiB; only its first 4 MiB are read", ""},
    {"OneMegabyteLine", bytesFile(good + oneLongLine(1u << 18, "xyz")), settingsAre(false, 0.25f, 0.8f), "", ""},
};

class HostileSettings : public testing::TestWithParam<Row> {};

}  // namespace

TEST_P(HostileSettings, GivesTheFallbackAndSaysWhy)
{
    checkHostileRow(GetParam(), gameSettingsPath, [](GameSettings& settings) {
        Problems problems;
        readGameSettings(settings, problems);
        return problems;
    });
}

INSTANTIATE_TEST_SUITE_P(Table, HostileSettings, testing::ValuesIn(settingsRows), RowName());
