#include "resources/Paths.h"

#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(Paths, AnySpellingReachesTheFileAndNewFilesGoIntoTheExistingFolder)
{
    enterEmptyFolder();
    writeTestFile("Assets/Settings/Binds.txt", "42");
    EXPECT_EQ(resolvePath("assets/settings/binds.txt"), "Assets/Settings/Binds.txt");
    EXPECT_EQ(resolvePath("Assets/Settings/Binds.txt"), "Assets/Settings/Binds.txt");
    std::string text;
    ASSERT_TRUE(readWholeFile("ASSETS/SETTINGS/BINDS.TXT", text));
    EXPECT_EQ(text, "42");

    EXPECT_EQ(resolvePath("assets/settings/New.txt"), "Assets/Settings/New.txt");
    ASSERT_TRUE(writeFileAtomically("assets/settings/New.txt", "hello"));
    EXPECT_EQ(readTestFile("Assets/Settings/New.txt"), "hello");
    EXPECT_FALSE(fs::exists("assets"));
}

TEST(Paths, AtomicWriteReplacesLeavesNoTemporaryAndFailsCleanly)
{
    enterEmptyFolder();
    writeTestFile("settings.txt", "old");
    ASSERT_TRUE(writeFileAtomically("Settings.txt", "new"));
    EXPECT_EQ(readTestFile("settings.txt"), "new");
    EXPECT_FALSE(fs::exists("settings.txt.new"));

    EXPECT_FALSE(writeFileAtomically("nowhere/settings.txt", "x"));
    EXPECT_FALSE(fs::exists("nowhere"));
}

TEST(Paths, AtomicWriteNeverWritesThroughWhatStandsAtTheTemporaryName)
{
    enterEmptyFolder();
    writeTestFile("victim.txt", "precious");
    writeTestFile("gamesettings.txt", "old");
    fs::create_symlink("victim.txt", "gamesettings.txt.new");
    ASSERT_TRUE(writeFileAtomically("gamesettings.txt", "new"));
    EXPECT_EQ(readTestFile("victim.txt"), "precious");
    EXPECT_EQ(readTestFile("gamesettings.txt"), "new");
    EXPECT_FALSE(fs::is_symlink("gamesettings.txt"));
    EXPECT_FALSE(fs::exists(fs::symlink_status("gamesettings.txt.new")));

    // A folder where the file should be is left alone.
    fs::create_directory("Binds.txt");
    writeTestFile("Binds.txt/inside", "kept");
    EXPECT_FALSE(writeFileAtomically("binds.txt", "1 2 3"));
    EXPECT_EQ(readTestFile("Binds.txt/inside"), "kept");
    EXPECT_FALSE(fs::exists("Binds.txt.new"));
}

TEST(Paths, AtomicWriteKeepsPermissionsAndWritesThroughALinkToItsFile)
{
    enterEmptyFolder();
    writeTestFile("real/settings.txt", "old");
    fs::permissions("real/settings.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                    fs::perm_options::replace);
    fs::create_symlink("real/settings.txt", "settings.txt");
    ASSERT_TRUE(writeFileAtomically("settings.txt", "new"));
    EXPECT_TRUE(fs::is_symlink("settings.txt"));
    EXPECT_EQ(readTestFile("real/settings.txt"), "new");
    EXPECT_EQ(fs::status("real/settings.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(fs::exists("real/settings.txt.new") || fs::exists("settings.txt.new"));
}

TEST(Paths, BothSpellingsOfAFolderPresentReadsAndWritesMeetInOne)
{
    enterEmptyFolder();
    writeTestFile("assets/settings/gamesettings.txt", "lower");
    fs::create_directories("Assets/Sprites");
    // The folder that holds the file wins, whatever the spelling asked for.
    EXPECT_EQ(resolvePath("Assets/settings/gamesettings.txt"), "assets/settings/gamesettings.txt");
    EXPECT_EQ(resolvePath("assets/Settings/GameSettings.txt"), "assets/settings/gamesettings.txt");
    ASSERT_TRUE(writeFileAtomically("Assets/Settings/Binds.txt", "binds"));
    std::string text;
    ASSERT_TRUE(readWholeFile("assets/settings/binds.txt", text));
    EXPECT_EQ(text, "binds");
    // Where neither holds the path, the first spelling in sorted order takes the new file.
    EXPECT_EQ(resolvePath("assets/Map/Custom.txt"), "Assets/Map/Custom.txt");
    EXPECT_EQ(resolvePath("ASSETS/Map/Custom.txt"), "Assets/Map/Custom.txt");
}
