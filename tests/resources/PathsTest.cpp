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
