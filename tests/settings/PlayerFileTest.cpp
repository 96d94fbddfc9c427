#include "app/Game.h"
#include "audio/Audio.h"
#include "fighters/Bindings.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const settingsFile = "Assets/settings/gamesettings.txt";
const char* const bindsFile = "Assets/settings/Binds.txt";

std::string saveAndSay(Game& game)
{
    testing::internal::CaptureStderr();
    saveOnExit(game);
    return testing::internal::GetCapturedStderr();
}

}  // namespace

// A file the game could not read is kept as "<name>.bad" (one copy, the
// latest) before it is written anew; the good values in it survive.
TEST(PlayerFiles, ADamagedFileIsKeptAsBadBeforeItIsReplaced)
{
    enterFreshRunFolder();
    const std::string damagedBinds = "0 2 1 3 5\n0 3 1e308 9 10 11 8\n0 2 1 3 5\n71 72 73 76 77 78 80\n";
    writeTestFile(bindsFile, damagedBinds);
    writeTestFile(settingsFile, "0\nloud\n0.8\n");
    testing::internal::CaptureStderr();
    auto game = std::make_unique<Game>();
    const std::string atStart = testing::internal::GetCapturedStderr();
    EXPECT_NE(atStart.find("Assets/settings/Binds.txt:2: \"1e308\" is not a key code; P1 Jump keeps W\n"),
              std::string::npos)
        << atStart;
    EXPECT_NE(atStart.find("Assets/settings/gamesettings.txt:2: \"loud\" is not a number; the effect volume stays 0.5"),
              std::string::npos)
        << atStart;
    EXPECT_EQ(game->world.players[0].input.bindings.keys, (std::vector<int>{0, 3, 22, 9, 10, 11, 8}));
    EXPECT_FALSE(game->fullscreen);
    EXPECT_FLOAT_EQ(audio().musicVolume, 0.8f);

    const std::string atExit = saveAndSay(*game);
    EXPECT_NE(atExit.find("Assets/settings/Binds.txt: could not be read as it was; it is kept as Binds.txt.bad"),
              std::string::npos)
        << atExit;
    EXPECT_EQ(readTestFile(std::string(bindsFile) + ".bad"), damagedBinds);
    EXPECT_EQ(readTestFile(std::string(settingsFile) + ".bad"), "0\nloud\n0.8\n");
    EXPECT_EQ(readTestFile(settingsFile), "0\n0.5\n0.8\n");
    // The copy is made once: a second save (the key-binding screen's) keeps it.
    writeTestFile(std::string(bindsFile) + ".bad", "kept");
    EXPECT_EQ(saveAndSay(*game), "");
    EXPECT_EQ(readTestFile(std::string(bindsFile) + ".bad"), "kept");
}

// A read-only settings or binds file is left as it is, said once.
TEST(PlayerFiles, AReadOnlyFileIsLeftAsItIs)
{
    enterFreshRunFolder();
    writeTestFile(settingsFile, "0\n0.25\n0.8\n");
    const std::string binds = readTestFile(bindsFile);
    fs::permissions(settingsFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(bindsFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto game = std::make_unique<Game>();
    audio().sfxVolume = 1.f;
    game->world.players[0].input.bindings.keys[JumpKey] = sf::Keyboard::Space;
    testing::internal::CaptureStdout();
    const std::string said = saveAndSay(*game);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(said,
              "Assets/settings/Binds.txt: is read-only; it is left as it is and this run's changes are not saved\n"
              "Assets/settings/gamesettings.txt: is read-only; it is left as it is and this run's changes are not "
              "saved\n");
    EXPECT_EQ(saveAndSay(*game), "");
    EXPECT_EQ(readTestFile(settingsFile), "0\n0.25\n0.8\n");
    EXPECT_EQ(readTestFile(bindsFile), binds);
    EXPECT_EQ(fs::status(settingsFile).permissions() & fs::perms::owner_write, fs::perms::none);
}
