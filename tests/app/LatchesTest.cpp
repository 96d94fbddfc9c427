#include "app/SceneDriver.h"

#include "app/Latches.h"

#include <gtest/gtest.h>

// A pad press used by one scene fires nothing in the next until it is released.
TEST(Latches, APressCarriesAcrossScenesUntilReleased)
{
    {
        SCOPED_TRACE("A on the title, still held at a match result: no rematch");
        HeadlessGame driver;
        Game& game = *driver.game;
        game.state = SceneState::Title;
        pressButton(driver, 0, buttonA);
        ASSERT_EQ(game.state, SceneState::MainHub);
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
    {
        SCOPED_TRACE("B that leaves the credits is still the same press at Victory");
        HeadlessGame driver;
        Game& game = *driver.game;
        game.state = SceneState::Credits;
        pressButton(driver, 0, buttonB);
        ASSERT_EQ(game.state, SceneState::MainHub);
        EXPECT_TRUE(game.latchB);
        game.state = SceneState::Victory;
        driver.step();
        EXPECT_EQ(game.state, SceneState::Victory);
    }
    {
        SCOPED_TRACE("Start that leaves the title does not also pause the hub");
        HeadlessGame driver;
        Game& game = *driver.game;
        game.state = SceneState::Title;
        pressButton(driver, 1, buttonStart);
        EXPECT_EQ(game.state, SceneState::MainHub);
        driver.step(1, testFrame, {joystickMovedEvent(1, sf::Joystick::X, 50.f)});
        EXPECT_EQ(game.state, SceneState::MainHub);
        driver.setButton(1, buttonStart, false);
        driver.step();
        EXPECT_FALSE(game.latchStart);
        pressButton(driver, 0, buttonStart);  // a new press pauses as usual
        EXPECT_EQ(game.state, SceneState::Pause);
    }
}
