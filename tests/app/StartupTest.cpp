#include "app/SceneDriver.h"

#include "app/Frame.h"
#include "app/StartUp.h"
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

// The program opens on the splash with only what it needs, loads the rest
// between frames while the splash stays black and its clock waits, and ends
// with every asset a whole start-up loads.
TEST(Startup, TheRestLoadsBetweenTheSplashsFramesAndTheSplashWaitsForIt)
{
    const int attemptsBefore = loadReport().attempts;
    { Game whole; }
    const int wholeAttempts = loadReport().attempts - attemptsBefore;

    const int attemptsAtStart = loadReport().attempts;
    Game game(Game::Loading::FirstScreen);
    EXPECT_FALSE(startUpFinished(game));
    EXPECT_EQ(game.splashLogos[0].getTexture(), nullptr);
    int frames = 0;
    while (!startUpFinished(game) && frames < 100) {
        runFrame(game, 0.25f, {}, false);
        EXPECT_EQ(game.splashTime, 0.f);
        EXPECT_EQ(game.state, SceneState::Splash);
        continueStartUp(game);
        ++frames;
    }
    EXPECT_TRUE(startUpFinished(game));
    EXPECT_EQ(loadReport().attempts - attemptsAtStart, wholeAttempts);
    EXPECT_NE(game.splashLogos[0].getTexture(), nullptr);
    runFrame(game, 0.25f, {}, false);
    EXPECT_EQ(game.splashTime, 0.25f);

    // Outside the splash, whatever is left loads at once.
    Game other(Game::Loading::FirstScreen);
    other.state = SceneState::Title;
    continueStartUp(other);
    EXPECT_TRUE(startUpFinished(other));
}
