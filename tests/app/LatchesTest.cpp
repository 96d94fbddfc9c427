#include "app/SceneDriver.h"

#include "app/Latches.h"

#include <gtest/gtest.h>

TEST(Latches, APressUsedByTheTitleFiresNothingElseUntilReleased)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Title;
    pressButton(driver, 0, buttonA);
    ASSERT_EQ(game.state, SceneState::MainHub);
    // Still held when a match result comes up: no rematch.
    game.state = SceneState::Victory;
    driver.step(5);
    EXPECT_EQ(game.state, SceneState::Victory);
    driver.setButton(0, buttonA, false);
    driver.step();
    EXPECT_FALSE(game.latchA);
    EXPECT_EQ(game.state, SceneState::Victory);
    driver.setButton(0, buttonA, true);
    driver.step();
    EXPECT_EQ(game.state, SceneState::Fight);
}

TEST(Latches, AFightEndedWithPadAHeldDoesNotStartARematch)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Fight;
    driver.setButton(0, buttonA, true);
    driver.step();
    EXPECT_TRUE(game.latchA);
    game.state = SceneState::Victory;  // the match was just won
    driver.step(3);
    EXPECT_EQ(game.state, SceneState::Victory);
}

TEST(Latches, CreditsLeftWithPadBLeavesTheLatchForTheHub)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Credits;
    pressButton(driver, 0, buttonB);
    ASSERT_EQ(game.state, SceneState::MainHub);
    EXPECT_TRUE(game.latchB);
    game.state = SceneState::Victory;
    driver.step();
    EXPECT_EQ(game.state, SceneState::Victory);  // pad B is still the same press
}

TEST(Latches, StartIsReleasedOnlyWhenUpOnBothPadsAndBackIsALevel)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Credits;
    game.latchStart = true;
    driver.setButton(1, buttonStart, true);
    driver.setButton(1, buttonBack, true);
    driver.step();
    EXPECT_TRUE(game.latchStart);
    EXPECT_TRUE(game.backHeld);
    driver.setButton(1, buttonStart, false);
    driver.setButton(1, buttonBack, false);
    driver.step();
    EXPECT_FALSE(game.latchStart);
    EXPECT_FALSE(game.backHeld);
}
