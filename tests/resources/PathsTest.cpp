#include "resources/Paths.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(Paths, BothSpellingsReachTheSameFile)
{
    enterEmptyFolder();
    fs::create_directories("Assets/Settings");
    std::ofstream("Assets/Settings/Binds.txt") << "42";
    EXPECT_EQ(resolvePath("assets/settings/binds.txt"), "Assets/Settings/Binds.txt");
    EXPECT_EQ(resolvePath("Assets/Settings/Binds.txt"), "Assets/Settings/Binds.txt");
    std::string text;
    ASSERT_TRUE(readWholeFile("ASSETS/SETTINGS/BINDS.TXT", text));
    EXPECT_EQ(text, "42");
}

TEST(Paths, NewFileGoesIntoTheExistingFolder)
{
    enterEmptyFolder();
    fs::create_directories("Assets/Map/Custom");
    EXPECT_EQ(resolvePath("assets/map/custom/New.txt"), "Assets/Map/Custom/New.txt");
    ASSERT_TRUE(writeFileAtomically("assets/map/custom/New.txt", "hello"));
    EXPECT_TRUE(fs::exists("Assets/Map/Custom/New.txt"));
    EXPECT_FALSE(fs::exists("assets"));
}

TEST(Paths, AtomicWriteReplacesAndLeavesNoTemporary)
{
    enterEmptyFolder();
    std::ofstream("settings.txt") << "old";
    ASSERT_TRUE(writeFileAtomically("Settings.txt", "new"));
    std::string text;
    ASSERT_TRUE(readWholeFile("settings.txt", text));
    EXPECT_EQ(text, "new");
    EXPECT_FALSE(fs::exists("settings.txt.new"));
}

TEST(Paths, WriteIntoMissingFolderFailsAndChangesNothing)
{
    enterEmptyFolder();
    EXPECT_FALSE(writeFileAtomically("nowhere/settings.txt", "x"));
    EXPECT_FALSE(fs::exists("nowhere"));
    std::string text;
    EXPECT_FALSE(readWholeFile("nowhere/settings.txt", text));
}
