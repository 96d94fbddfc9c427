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

TEST(SceneTransitions, TitleLeavesOnAPadPressThatSetsBothLatches)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Title;
    game.latchB = true;  // pad B still held from earlier: the title waits
    driver.game->input.joysticks[0].buttons[buttonB] = true;
    driver.step(1, testFrame, {joystickButtonEvent(0, 2)});
    EXPECT_EQ(game.state, SceneState::Title);
    driver.setButton(0, buttonB, false);
    driver.step();
    pressButton(driver, 0, buttonA);
    EXPECT_EQ(game.state, SceneState::MainHub);
    EXPECT_TRUE(game.latchA);  // held: it stays set until the button is up
}

TEST(SceneTransitions, StartThatLeavesTheTitleDoesNotAlsoPauseTheHub)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Title;
    pressButton(driver, 1, buttonStart);
    EXPECT_EQ(game.state, SceneState::MainHub);
    driver.setButton(1, buttonStart, false);
    driver.step();
    pressButton(driver, 1, buttonStart);  // a new press pauses as usual
    EXPECT_EQ(game.state, SceneState::Pause);
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

TEST(SceneTransitions, EscapeMustBeHeldForTheRoomsButIsTheEventForPause)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::MainHub;
    driver.setKey(sf::Keyboard::Escape, true);
    driver.step(1, testFrame, {keyPressedEvent(sf::Keyboard::A)});  // any key while Escape is held
    EXPECT_EQ(game.state, SceneState::Pause);
    driver.step(1, testFrame, {keyPressedEvent(sf::Keyboard::A)});  // not an Escape event
    EXPECT_EQ(game.state, SceneState::Pause);
}

TEST(SceneTransitions, StartPausesTheHubOncePerPress)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::MainHub;
    pressButton(driver, 1, buttonStart);
    ASSERT_EQ(game.state, SceneState::Pause);
    pressKey(driver, sf::Keyboard::Escape);
    driver.setKey(sf::Keyboard::Escape, false);
    ASSERT_EQ(game.state, SceneState::MainHub);
    // Start is still held: another event from the pad does not pause again.
    driver.step(1, testFrame, {joystickMovedEvent(1, sf::Joystick::X, 50.f)});
    EXPECT_EQ(game.state, SceneState::MainHub);
    driver.setButton(1, buttonStart, false);
    driver.step();
    pressButton(driver, 0, buttonStart);
    EXPECT_EQ(game.state, SceneState::Pause);
}

TEST(SceneTransitions, TheCountdownCannotBePaused)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Fight;
    game.fightLive = false;
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::Fight);
    pressButton(driver, 0, buttonStart);
    EXPECT_EQ(game.state, SceneState::Fight);

    game.fightLive = true;
    driver.setButton(0, buttonStart, false);
    driver.step();
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::Pause);
    EXPECT_EQ(game.pauseMenu.returnState, SceneState::Fight);
}

TEST(SceneTransitions, VictoryWithSpaceAndEscapeHeldEndsInTheHub)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Victory;
    game.players[1].isWinner = true;
    game.players[1].advancing = true;
    game.flags[0].carried = true;
    game.customMapChosen = true;
    driver.setKey(sf::Keyboard::Space, true);
    driver.setKey(sf::Keyboard::Escape, true);
    driver.step();
    EXPECT_EQ(game.state, SceneState::MainHub);
    EXPECT_TRUE(game.players[0].advancing);
    EXPECT_FALSE(game.players[1].advancing);
    EXPECT_FALSE(game.players[1].isWinner);
    EXPECT_FALSE(game.flags[0].carried);
    EXPECT_FALSE(game.customMapChosen);
    EXPECT_TRUE(game.latchB);
    EXPECT_TRUE(game.cursorVisible);
}

TEST(SceneTransitions, VictoryRematchStartsACountdownAndKeepsTheCaaMode)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Victory;
    game.caaMode = true;
    game.fightLive = true;
    game.customMapChosen = true;
    driver.setKey(sf::Keyboard::Space, true);
    driver.step();
    EXPECT_EQ(game.state, SceneState::Fight);
    EXPECT_TRUE(game.caaMode);
    EXPECT_FALSE(game.fightLive);
    EXPECT_TRUE(game.customMapChosen);  // a rematch replays the custom level
    EXPECT_FALSE(game.players[0].advancing);
}

TEST(SceneTransitions, CreditsOptionsBindingsAndEditorGoBackWhereTheyCameFrom)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Credits;
    pressKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::MainHub);
    driver.setKey(sf::Keyboard::Escape, false);

    game.state = SceneState::Credits;
    pressButton(driver, 1, buttonB);
    EXPECT_EQ(game.state, SceneState::MainHub);

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

TEST(SceneTransitions, AStateOutsideTheListOnlyRunsTheCommonSteps)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = static_cast<SceneState>(42);
    startFade(game.screenFade);
    game.latchA = true;
    driver.step(3);
    EXPECT_EQ(game.screenFade.alpha, 15);
    EXPECT_FALSE(game.latchA);
    EXPECT_EQ(static_cast<int>(game.state), 42);
}
