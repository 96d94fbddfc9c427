#include "audio/Audio.h"
#include "settings/GameSettings.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

GameSettings parsed(const std::string& text)
{
    GameSettings settings;
    parseGameSettings(text, settings);
    return settings;
}

}  // namespace

TEST(GameSettingsFile, AbsentFileSaysLoadErrorAndKeepsDefaults)
{
    enterEmptyFolder();
    GameSettings settings;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(readGameSettings(settings));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Load error");
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_FLOAT_EQ(settings.sfxVolume, 0.5f);
    EXPECT_FLOAT_EQ(settings.musicVolume, 1.0f);
}

TEST(GameSettingsFile, EmptyShortGarbledAndOutOfRangeFilesFillWhatTheyCan)
{
    const GameSettings empty = parsed("");
    EXPECT_TRUE(empty.fullscreen);
    EXPECT_FLOAT_EQ(empty.sfxVolume, 0.f);
    EXPECT_FLOAT_EQ(empty.musicVolume, 0.f);

    // Only the flag and one volume: the music volume repeats the effect volume.
    const GameSettings shortFile = parsed("0\n0.3");
    EXPECT_FALSE(shortFile.fullscreen);
    EXPECT_FLOAT_EQ(shortFile.sfxVolume, 0.3f);
    EXPECT_FLOAT_EQ(shortFile.musicVolume, 0.3f);

    const GameSettings badFlag = parsed("2\n0.5\n1\n");
    EXPECT_TRUE(badFlag.fullscreen);
    EXPECT_FLOAT_EQ(badFlag.sfxVolume, 0.f);

    // Volumes outside 0..1, or not numbers at all, stay inside the mixer's range.
    const GameSettings huge = parsed("1\n-7\n1e30\n");
    EXPECT_FLOAT_EQ(huge.sfxVolume, 0.f);
    EXPECT_FLOAT_EQ(huge.musicVolume, 1.f);
    const GameSettings notNumbers = parsed("1\nnan\ninf\n");
    EXPECT_GE(notNumbers.sfxVolume, 0.f);
    EXPECT_LE(notNumbers.sfxVolume, 1.f);
    EXPECT_GE(notNumbers.musicVolume, 0.f);
    EXPECT_LE(notNumbers.musicVolume, 1.f);

    // Anything after the third value is ignored; line breaks do not matter.
    const GameSettings extra = parsed("0 0.7 0.2 and more\n");
    EXPECT_FALSE(extra.fullscreen);
    EXPECT_FLOAT_EQ(extra.sfxVolume, 0.7f);
    EXPECT_FLOAT_EQ(extra.musicVolume, 0.2f);
}

TEST(GameSettingsFile, WindowedQuarterAndEightyRoundTripByteForByte)
{
    enterEmptyFolder();
    writeTestFile("Assets/settings/gamesettings.txt", "0\n0.25\n0.8\n");
    GameSettings settings;
    ASSERT_TRUE(readGameSettings(settings));
    EXPECT_FALSE(settings.fullscreen);
    EXPECT_FLOAT_EQ(settings.sfxVolume * 100.f, 25.f);
    EXPECT_FLOAT_EQ(settings.musicVolume * 100.f, 80.f);
    ASSERT_TRUE(writeGameSettings(settings));
    EXPECT_EQ(readTestFile("Assets/settings/gamesettings.txt"), "0\n0.25\n0.8\n");
    EXPECT_EQ(formatGameSettings(GameSettings()), "1\n0.5\n1\n");
}

TEST(GameSettingsFile, TheGameReadsAtStartAndWritesBackAtExit)
{
    enterEmptyFolder();
    writeTestFile("Assets/Settings/GameSettings.txt", "0\n0.25\n0.8\n");
    auto game = std::make_unique<Game>();
    EXPECT_FALSE(game->fullscreen);
    EXPECT_FLOAT_EQ(audio().sfxVolume, 0.25f);
    EXPECT_FLOAT_EQ(audio().musicVolume, 0.8f);
    game->fullscreen = true;
    audio().sfxVolume = 0.5f;
    audio().musicVolume = 0.f;
    saveOnExit(*game);
    EXPECT_EQ(readTestFile("Assets/Settings/GameSettings.txt"), "1\n0.5\n0\n");
}

TEST(GameSettingsFile, UnwritableFolderSaysLoadErrorAndLeavesTheOldFile)
{
    enterEmptyFolder();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(writeGameSettings(GameSettings()));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Load error");
    EXPECT_FALSE(fs::exists("assets"));

    // A write that cannot finish its new file never touches the old one.
    writeTestFile("assets/settings/gamesettings.txt", "0\n0.25\n0.8\n");
    fs::create_directories("assets/settings/gamesettings.txt.new/blocker");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(writeGameSettings(GameSettings()));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Load error");
    EXPECT_EQ(readTestFile("assets/settings/gamesettings.txt"), "0\n0.25\n0.8\n");
}
