#include "app/SceneDriver.h"

#include "app/Viewport.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(Frame, AClosedEventAndAKeyPressInOneFrameAreBothHandled)
{
    HeadlessGame driver(true);
    Game& game = *driver.game;
    game.state = SceneState::Title;
    const double before = game.world.time.now;
    driver.step(1, testFrame, {closedEvent(), keyPressedEvent(sf::Keyboard::Space)});
    EXPECT_FALSE(game.window.isOpen());
    EXPECT_EQ(game.state, SceneState::MainHub);  // the key press still counted
    EXPECT_TRUE(game.world.match.fightLive);                  // and the hub's update ran once
    EXPECT_NEAR(game.world.time.now, before + testFrame, 1e-6);  // in whole fixed steps
    saveOnExit(game);
    EXPECT_EQ(readTestFile("Assets/settings/gamesettings.txt").substr(0, 2), "0\n");  // the test window is windowed
}

TEST(Frame, CursorFollowsMouseMovesPadEventsAndTheScenes)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Fight;
    driver.step();
    EXPECT_FALSE(game.cursorVisible);
    // A mouse move shows it; the fight's next update hides it again.
    routeEvent(game, mouseMovedEvent(100, 100));
    EXPECT_TRUE(game.cursorVisible);
    driver.step();
    EXPECT_FALSE(game.cursorVisible);

    game.state = SceneState::Credits;
    driver.step();
    EXPECT_TRUE(game.cursorVisible);
    routeEvent(game, joystickMovedEvent(3, sf::Joystick::Y, 90.f));
    EXPECT_FALSE(game.cursorVisible);

    // The title neither shows nor hides it.
    game.state = SceneState::Title;
    driver.step(1, testFrame, {mouseMovedEvent(5, 5)});
    EXPECT_TRUE(game.cursorVisible);
}

TEST(Frame, PadEventsInTheFightClaimTheirPlayerOnly)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Fight;
    game.world.players[0].keyboardMode = true;
    game.world.players[1].keyboardMode = true;
    driver.step(1, testFrame, {joystickMovedEvent(2, sf::Joystick::X, 100.f)});
    EXPECT_TRUE(game.world.players[0].keyboardMode);
    EXPECT_TRUE(game.world.players[1].keyboardMode);
    driver.step(1, testFrame, {joystickButtonEvent(1, 0)});
    EXPECT_TRUE(game.world.players[0].keyboardMode);
    EXPECT_FALSE(game.world.players[1].keyboardMode);
    // Outside the fight a pad event leaves the players alone.
    game.state = SceneState::MainHub;
    driver.step(1, testFrame, {joystickButtonEvent(0, 0)});
    EXPECT_TRUE(game.world.players[0].keyboardMode);
}

TEST(MouseMapping, WindowPixelsLandOnTheLogicalScreen)
{
    const sf::Vector2f logical(1920.f, 1080.f);
    // Exactly 1920 x 1080: nothing changes.
    EXPECT_EQ(windowPixelToLogical({123, 456}, logical, {1920, 1080}), sf::Vector2f(123.f, 456.f));
    // Half the size: every pixel counts twice.
    EXPECT_EQ(windowPixelToLogical({480, 270}, logical, {960, 540}), sf::Vector2f(960.f, 540.f));
    // Wider than 16:9: black bars of 320 px left and right.
    EXPECT_EQ(windowPixelToLogical({320, 0}, logical, {2560, 1080}), sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(windowPixelToLogical({2240, 1080}, logical, {2560, 1080}), sf::Vector2f(1920.f, 1080.f));
    // Taller (4:3 at 1024 x 768): bars of 96 px above and below, scale 1.875.
    const sf::Vector2f centre = windowPixelToLogical({512, 384}, logical, {1024, 768});
    EXPECT_FLOAT_EQ(centre.x, 960.f);
    EXPECT_FLOAT_EQ(centre.y, 540.f);
    const sf::Vector2f top = windowPixelToLogical({0, 96}, logical, {1024, 768});
    EXPECT_FLOAT_EQ(top.y, 0.f);
    // A minimised window (size 0) maps nothing out of range.
    EXPECT_EQ(windowPixelToLogical({7, 9}, logical, {0, 0}), sf::Vector2f(7.f, 9.f));
}

TEST(MouseMapping, TheLetterboxKeepsTheAspect)
{
    const sf::FloatRect wide = letterboxView({1920.f, 1080.f}, {2560, 1080}).getViewport();
    EXPECT_FLOAT_EQ(wide.left, 0.125f);
    EXPECT_FLOAT_EQ(wide.width, 0.75f);
    EXPECT_FLOAT_EQ(wide.height, 1.f);
    const sf::FloatRect exact = letterboxView({1920.f, 1080.f}, {1920, 1080}).getViewport();
    EXPECT_EQ(exact, sf::FloatRect(0.f, 0.f, 1.f, 1.f));
}

