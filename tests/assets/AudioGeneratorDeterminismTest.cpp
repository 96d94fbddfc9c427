#include "assets/GeneratorRun.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

// A second run of the sound, shader, font and name-file groups gives the same
// bytes as the build's run: a rebuild never changes the game's sounds behind
// anyone's back, and a changed file in a commit always means a changed recipe.
TEST(AudioGeneratorDeterminism, SecondRunWritesIdenticalFiles)
{
    const std::string fresh = enterEmptyFolder();
    ASSERT_EQ(runAssetGenerator(fresh, "text audio").status, 0);

    int compared = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(fresh)) {
        const fs::path relative = fs::relative(entry.path(), fresh);
        if (!entry.is_regular_file() || relative.parent_path() == "Assets/settings")
            continue;
        EXPECT_EQ(fileBytes(entry.path().string()), fileBytes((fs::path(KESTRELFALL_RUN_DIR) / relative).string()))
            << relative.string();
        ++compared;
    }
    // 25 effects and announcer lines, 3 tracks, 6 shaders, the font and its licence.
    EXPECT_EQ(compared, 36);
}
