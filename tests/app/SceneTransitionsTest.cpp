#include "app/SceneDriver.h"

#include "app/Latches.h"
#include "editor/MapEditor.h"

#include <gtest/gtest.h>

// The transition table, driven by the events and device states a player makes.

TEST(SceneTransitions, TitleLeavesOnTheFirstKeyEvenAModifierButNotOnAStickMove)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Title;
    driver.step(1, testFrame, {joystickMovedEvent(0, sf::Joystick::X, 80.f)});
    EXPECT_EQ(game.state, SceneState::Title);
    pressKey(driver, sf::Keyboard::LShift);
    EXPECT_EQ(game.state, SceneState::MainHub);
}

TEST(SceneTransitions, EscapePausesTheRoomsAndReturnsThere)
{
    const SceneState rooms[] = {SceneState::MainHub, SceneState::ModeSelect, SceneState::MapSelect};
    for (SceneState room : rooms) {
        HeadlessGame driver;
        Game& game = *driver.game;
        game.state = room;
        pressKey(driver, sf::Keyboard::Escape);
        EXPECT_EQ(game.state, SceneState::Pause);
        EXPECT_EQ(game.pauseMenu.returnState, room);
        pressKey(driver, sf::Keyboard::Escape);  // an Escape event resumes
        EXPECT_EQ(game.state, room);
    }
}

TEST(SceneTransitions, TheCountdownCannotBePaused)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Fight;
    game.world.match.fightLive = false;
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::Fight);
    pressButton(driver, 0, buttonStart);
    EXPECT_EQ(game.state, SceneState::Fight);

    game.world.match.fightLive = true;
    driver.setButton(0, buttonStart, false);
    driver.step();
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::Pause);
    EXPECT_EQ(game.pauseMenu.returnState, SceneState::Fight);
}

TEST(SceneTransitions, VictoryEndsInTheHubOrARematch)
{
    {
        SCOPED_TRACE("Space and Escape both held: back to the hub, match state cleared");
        HeadlessGame driver;
        Game& game = *driver.game;
        game.state = SceneState::Victory;
        game.world.players[1].isWinner = true;
        game.world.players[1].advancing = true;
        game.world.flags[0].carried = true;
        game.world.match.caaMode = true;
        game.world.match.matchTimer = 12.f;
        game.world.crate = Crate();
        game.customMapChosen = true;
        driver.setKey(sf::Keyboard::Space, true);
        driver.setKey(sf::Keyboard::Escape, true);
        driver.step();
        EXPECT_EQ(game.state, SceneState::MainHub);
        EXPECT_FALSE(game.world.match.caaMode);
        EXPECT_FLOAT_EQ(game.world.sectionWidth, 3840.f);
        EXPECT_EQ(game.tileMap.lastSection, 4);
        EXPECT_FLOAT_EQ(game.world.match.matchTimer, 300.f);
        EXPECT_FALSE(game.world.crate);
        EXPECT_TRUE(game.world.players[0].advancing);
        EXPECT_FALSE(game.world.players[1].advancing);
        EXPECT_FALSE(game.world.players[1].isWinner);
        EXPECT_FALSE(game.world.flags[0].carried);
        EXPECT_FALSE(game.customMapChosen);
        EXPECT_TRUE(game.latchB);
    }
    {
        SCOPED_TRACE("Space alone: a rematch with a countdown on the same level and mode");
        HeadlessGame driver;
        Game& game = *driver.game;
        game.state = SceneState::Victory;
        game.world.match.caaMode = true;
        game.world.match.fightLive = true;
        game.world.match.p1Kills = 6;
        game.customMapChosen = true;
        driver.setKey(sf::Keyboard::Space, true);
        driver.step();
        EXPECT_EQ(game.state, SceneState::Fight);
        EXPECT_TRUE(game.world.match.caaMode);
        EXPECT_EQ(game.world.match.p1Kills, 0);
        EXPECT_EQ(characterKind(game.world.players[0]), 1);
        EXPECT_FALSE(game.world.match.fightLive);
        EXPECT_TRUE(game.customMapChosen);
    }
    for (int lastSection : {2, 4, 6, 8}) {
        SCOPED_TRACE("the result screen shows the middle of a level of " + std::to_string(lastSection + 1));
        HeadlessGame driver;
        Game& game = *driver.game;
        game.tileMap.lastSection = lastSection;
        game.tileMap.grid.assign(static_cast<std::size_t>(lastSection + 1), Section(60, TileColumn{}));
        game.state = SceneState::Victory;
        driver.step();
        EXPECT_EQ(game.world.sectionIndex, lastSection / 2);
    }
}

TEST(SceneTransitions, CreditsOptionsBindingsAndEditorGoBackWhereTheyCameFrom)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Credits;
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::MainHub);
    driver.setKey(sf::Keyboard::Escape, false);

    game.state = SceneState::KeyBindings;
    game.options.keyBindingScreen.capturing = true;
    pressKey(driver, sf::Keyboard::Escape);  // cancels a capture, stays
    EXPECT_EQ(game.state, SceneState::KeyBindings);
    game.options.keyBindingScreen.capturing = false;
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::Options);
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::Pause);

    game.state = SceneState::Editor;
    game.editor.panel = EditorPanel::FileMenu;
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::Editor);
    game.editor.panel = EditorPanel::Canvas;
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::MainHub);
}

TEST(SceneTransitions, SplashReachesTheTitleAtAboutFiveSecondsThroughBlack)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    int frames = 0;
    while (game.state == SceneState::Splash && frames < 1000) {
        driver.step();
        ++frames;
    }
    ASSERT_EQ(game.state, SceneState::Title);
    // 5 s, then 51 frames of darkening and the one that turns back.
    EXPECT_NEAR(frames, 300 + 52, 1);
    EXPECT_EQ(game.screenFade.alpha, 250);
    EXPECT_FALSE(game.cursorVisible);
}

