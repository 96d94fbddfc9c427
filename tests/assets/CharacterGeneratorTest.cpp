#include "support/Headless.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

// The fighters' part of the asset generator draws the same bytes on every
// run, so a rebuild never changes a picture and two machines agree.

namespace fs = std::filesystem;

namespace {

fs::path generatorProgram()
{
    // The generator is built beside the tests: build/tools/assetgen/assetgen.
    return fs::read_symlink("/proc/self/exe").parent_path() / "tools" / "assetgen" / "assetgen";
}

// Runs the generator's fighter group into `runDir`; returns what it printed.
std::string generateCharactersInto(const fs::path& runDir)
{
    const std::string command = "'" + generatorProgram().string() + "' '" KESTRELFALL_SOURCE_DIR "/data' '" +
                                runDir.string() + "' characters";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        EXPECT_EQ(pclose(pipe), 0) << output;
    }
    return output;
}

std::map<std::string, std::string> filesUnder(const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            files[fs::relative(entry.path(), root).string()] = bytes.str();
        }
    return files;
}

}  // namespace

TEST(CharacterGenerator, ASecondRunWritesTheSameBytes)
{
    ASSERT_TRUE(fs::exists(generatorProgram())) << generatorProgram();
    const fs::path runDir = enterEmptyFolder();
    generateCharactersInto(runDir);
    const auto first = filesUnder(runDir);
    EXPECT_GT(first.size(), 400u);
    EXPECT_TRUE(first.count("persos.txt"));
    EXPECT_TRUE(first.count("Assets/Sprites/Attack Distance/0.png"));
    // The generator rewrites only files whose bytes differ: none may.
    EXPECT_NE(generateCharactersInto(runDir).find(" 0 written"), std::string::npos);
    const auto second = filesUnder(runDir);
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [path, bytes] : first)
        EXPECT_TRUE(second.count(path) && bytes == second.at(path)) << path << " differs between runs";
}
