#include "app/SceneDriver.h"

#include <gtest/gtest.h>

// A room asks for a switch the way its doors do: a target, then the curtain.
static void chooseDoor(Game& game, SceneState target)
{
    game.mainHub.targetState = target;
    startFade(game.screenFade);
}

TEST(FadeSwitch, TheHubSwitchesWhenTheCurtainTurnsBackFromBlack)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::MainHub;
    chooseDoor(game, SceneState::ModeSelect);
    driver.step(51);
    EXPECT_EQ(game.state, SceneState::MainHub);
    EXPECT_EQ(game.screenFade.alpha, 255);
    EXPECT_TRUE(game.mainHub.armed);
    driver.step();
    EXPECT_EQ(game.state, SceneState::ModeSelect);
    EXPECT_FALSE(game.mainHub.armed);
    // The new room is revealed over the next 51 frames.
    int frames = 0;
    while (game.screenFade.active && frames < 100) {
        driver.step();
        ++frames;
    }
    EXPECT_EQ(frames, 51);
    EXPECT_EQ(game.screenFade.alpha, 0);
    EXPECT_EQ(game.state, SceneState::ModeSelect);
}

TEST(FadeSwitch, ACurtainStartedElsewhereCannotSwitchARoom)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::MainHub;
    game.mainHub.targetState = SceneState::Credits;
    game.mainHub.armed = true;  // left over from a fade that never finished here
    driver.step();
    EXPECT_FALSE(game.mainHub.armed);
    startReveal(game.screenFade);  // e.g. the splash's or another scene's curtain
    driver.step(60);
    EXPECT_EQ(game.state, SceneState::MainHub);
}

TEST(FadeSwitch, ArrivingInAFightFromTheMapRoomStartsTheCountdown)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::MapSelect;
    game.mapSelectRoom.targetState = SceneState::Fight;
    game.world.match.fightLive = true;
    startFade(game.screenFade);
    driver.step(52);
    EXPECT_EQ(game.state, SceneState::Fight);
    EXPECT_FALSE(game.world.match.fightLive);
    EXPECT_FALSE(game.cursorVisible);
}
