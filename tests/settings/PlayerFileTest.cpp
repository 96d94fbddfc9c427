#include "app/Game.h"
#include "audio/Audio.h"
#include "fighters/Bindings.h"
#include "settings/PlayerFile.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/mount.h>

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

namespace {

bool diskFull(const std::string&, const std::string&, std::string* reason)
{
    *reason = "No space left on device";
    return false;
}

}  // namespace

// A write that fails says which file and why, one line each, keeps the old
// file and leaves no copy behind; "written anew" only follows a real write.
TEST(PlayerFiles, AFailedWriteSaysWhichFileAndWhyAndLosesNothing)
{
    enterFreshRunFolder();
    writeTestFile(bindsFile, "damaged");
    PlayerFileState state;
    state.damaged = true;
    testing::internal::CaptureStderr();
    EXPECT_EQ(savePlayerFile(bindsFile, "new", state, diskFull), SaveOutcome::Failed);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Assets/settings/Binds.txt.bad: cannot be written (No space left on device); no copy of the damaged "
              "file is kept\n"
              "Assets/settings/Binds.txt: cannot be written (No space left on device); this run's changes are not "
              "saved\n");
    EXPECT_EQ(readTestFile(bindsFile), "damaged");
    EXPECT_FALSE(fs::exists(std::string(bindsFile) + ".bad"));

    // The system's own words reach the line: a folder in the file's place.
    fs::remove(settingsFile);
    fs::create_directory(settingsFile);
    auto game = std::make_unique<Game>();
    testing::internal::CaptureStdout();
    const std::string said = saveAndSay(*game);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Load error");
    EXPECT_NE(said.find("Assets/settings/gamesettings.txt: cannot be written (is a folder, not a file)"),
              std::string::npos)
        << said;
}

// A real full disk and a real read-only mount, on a small disk of the test's
// own; skipped where the test may not mount one.
TEST(PlayerFiles, AFullOrReadOnlyDiskKeepsBothFilesAsTheyWere)
{
    enterFreshRunFolder();
    const std::string binds = readTestFile(bindsFile);
    const std::string settings = "0\nloud\n0.8\n";
    const std::string folder = fs::absolute("Assets/settings").string();
    fs::rename(folder, "settings.kept");
    fs::create_directory(folder);
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no permission to mount a small disk here";
    struct Unmount {
        std::string folder;
        ~Unmount() { ::umount2(folder.c_str(), MNT_DETACH); }
    } unmount{folder};
    writeTestFile(bindsFile, binds);
    writeTestFile(settingsFile, settings);
    writeTestFile("Assets/settings/filler", std::string(128 * 1024, 'x'));  // cut short when the disk is full
    auto game = std::make_unique<Game>();
    game->world.players[0].input.bindings.keys[JumpKey] = sf::Keyboard::Space;
    testing::internal::CaptureStdout();
    const std::string full = saveAndSay(*game);
    testing::internal::GetCapturedStdout();
    EXPECT_NE(full.find("Assets/settings/Binds.txt: cannot be written (No space left on device)"), std::string::npos)
        << full;
    EXPECT_NE(full.find("Assets/settings/gamesettings.txt.bad: cannot be written (No space left on device)"),
              std::string::npos);
    EXPECT_EQ(full.find("written anew"), std::string::npos);
    EXPECT_FALSE(fs::exists(std::string(settingsFile) + ".bad"));

    fs::remove("Assets/settings/filler");
    ASSERT_EQ(::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    const std::string readOnly = saveAndSay(*game);
    EXPECT_NE(readOnly.find("Assets/settings/Binds.txt: is read-only"), std::string::npos) << readOnly;
    EXPECT_EQ(readTestFile(bindsFile), binds);
    EXPECT_EQ(readTestFile(settingsFile), settings);
}
