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

TEST(Paths, AtomicWriteNeitherFollowsATemporaryNorReplacesLinksFoldersOrPermissions)
{
    enterEmptyFolder();
    writeTestFile("victim.txt", "precious");
    writeTestFile("real/gamesettings.txt", "old");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions("real/gamesettings.txt", mode, fs::perm_options::replace);
    fs::create_symlink("real/gamesettings.txt", "gamesettings.txt");
    fs::create_symlink("../victim.txt", "real/gamesettings.txt.new");  // planted where the temporary goes
    ASSERT_TRUE(writeFileAtomically("gamesettings.txt", "new"));
    EXPECT_EQ(readTestFile("victim.txt"), "precious");
    EXPECT_TRUE(fs::is_symlink("gamesettings.txt"));
    EXPECT_EQ(readTestFile("real/gamesettings.txt"), "new");
    EXPECT_EQ(fs::status("real/gamesettings.txt").permissions(), mode);
    EXPECT_FALSE(fs::exists(fs::symlink_status("real/gamesettings.txt.new")));

    fs::create_directories("Binds.txt/inside");
    EXPECT_FALSE(writeFileAtomically("binds.txt", "1 2 3"));
    EXPECT_TRUE(fs::is_directory("Binds.txt/inside"));
    EXPECT_FALSE(fs::exists("Binds.txt.new"));
}

TEST(Paths, BothSpellingsOfAFolderPresentReadsAndWritesMeetInOne)
{
    enterEmptyFolder();
    writeTestFile("assets/settings/gamesettings.txt", "lower");
    fs::create_directories("Assets/Sprites");
    // The folder that holds the path wins, whatever the spelling asked for.
    EXPECT_EQ(resolvePath("Assets/Settings/GameSettings.txt"), "assets/settings/gamesettings.txt");
    ASSERT_TRUE(writeFileAtomically("Assets/Settings/Binds.txt", "binds"));
    EXPECT_EQ(readTestFile("assets/settings/Binds.txt"), "binds");
    // Where neither holds it, the first spelling in sorted order.
    EXPECT_EQ(resolvePath("assets/Map/Custom.txt"), "Assets/Map/Custom.txt");
}
