#include "app/SceneDriver.h"

#include "resources/Loading.h"

#include <gtest/gtest.h>

// A start-up on the generated asset tree finds every picture, sound, track,
// shader, font and text file it asks for, and says nothing on the console.
TEST(Startup, TheRealAssetTreeLoadsWithoutOneFailure)
{
    const int failuresBefore = loadReport().failures;
    testing::internal::CaptureStdout();
    HeadlessGame driver;
    const std::string said = testing::internal::GetCapturedStdout();
    std::string missing;
    for (const std::string& path : loadReport().failedPaths)
        missing += path + "\n";
    EXPECT_EQ(loadReport().failures, failuresBefore) << missing;
    EXPECT_EQ(said, "");
    // And the first frames run: the splash hides the cursor and starts its reveal.
    driver.step(2);
    EXPECT_EQ(driver.game->state, SceneState::Splash);
    EXPECT_TRUE(driver.game->screenFade.active);
}
