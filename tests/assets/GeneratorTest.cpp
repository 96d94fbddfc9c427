#include "assets/GeneratorRun.h"

#include "resources/Loading.h"
#include "support/Headless.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> filesUnder(const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = fileBytes(entry.path().string());
    return files;
}

}  // namespace

// Two runs of every group give the same bytes: a rebuild never changes a
// picture or a sound behind anyone's back, and two machines agree.
TEST(Generator, TwoRunsWriteIdenticalTrees)
{
    const std::string first = enterEmptyFolder(), second = enterEmptyFolder();
    ASSERT_EQ(runAssetGenerator(first, "").status, 0);
    ASSERT_EQ(runAssetGenerator(second, "").status, 0);
    const auto a = filesUnder(first), b = filesUnder(second);
    EXPECT_GT(a.size(), 500u);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [path, bytes] : a)
        EXPECT_TRUE(b.count(path) && b.at(path) == bytes) << path << " differs between runs";
}

// A machine without the speech synthesiser, or with a broken one, still
// builds: the announcer lines become signals of the same timing and the
// generator says why.
TEST(Generator, AnnouncerFallsBackToSignalsWithoutWorkingSpeech)
{
    const std::string folder = enterEmptyFolder();
    std::ofstream("espeak-ng") << "#!/bin/sh\n[ \"$1\" = --version ]\n";
    fs::permissions("espeak-ng", fs::perms::owner_all);
    const std::pair<std::string, std::string> cases[] = {{"PATH=/nonexistent", "espeak-ng is not installed"},
                                                         {"PATH='" + folder + "'", "espeak-ng failed"}};
    for (const auto& [environment, message] : cases) {
        SCOPED_TRACE(environment);
        const GeneratorRun run = runAssetGenerator(folder, "audio", environment);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.output.find(message), std::string::npos) << run.output;
        sf::SoundBuffer line;
        ASSERT_TRUE(loadSoundFile(line, "Assets/Sounds/Announcer/Fight.wav"));
        EXPECT_GE(line.getDuration().asSeconds(), 4.0f);
        EXPECT_LE(line.getDuration().asSeconds(), 4.5f);
        for (const char* path : {"Assets/Sounds/Announcer/P1Wins.wav", "Assets/Sounds/Announcer/P2Wins.wav"})
            EXPECT_TRUE(loadSoundFile(line, path)) << path;
        fs::remove_all("Assets");
    }
}

// Settings and bindings belong to the player once they exist: a rebuild
// leaves them alone, and only fills in what is missing.
TEST(Generator, RebuildKeepsThePlayersSettings)
{
    const std::string folder = enterEmptyFolder();
    fs::create_directories("Assets/settings");
    std::ofstream("Assets/settings/Binds.txt") << "1 2 3 \n";
    std::ofstream("Assets/settings/gamesettings.txt") << "0\n0.25\n0.8\n";
    ASSERT_EQ(runAssetGenerator(folder, "text").status, 0);
    EXPECT_EQ(fileBytes("Assets/settings/Binds.txt"), "1 2 3 \n");
    EXPECT_EQ(fileBytes("Assets/settings/gamesettings.txt"), "0\n0.25\n0.8\n");
    EXPECT_FALSE(fileBytes("Assets/settings/keynames.txt").empty());
}
