#include "audio/Audio.h"
#include "settings/GameSettings.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(GameSettingsFile, WindowedQuarterAndEightyRoundTripByteForByte)
{
    enterEmptyFolder();
    writeTestFile("Assets/settings/gamesettings.txt", "0\n0.25\n0.8\n");
    GameSettings settings;
    Problems problems;
    ASSERT_TRUE(readGameSettings(settings, problems));
    EXPECT_TRUE(problems.empty());
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
