#include "app/Latches.h"
#include "audio/Audio.h"
#include "menus/MenuDriver.h"

#include <gtest/gtest.h>

namespace {

const int exitButtonX = 960, exitButtonY = 720;

// A fight past its countdown, the curtain long settled, on the level loaded at start.
void startFight(Game& game)
{
    game.state = SceneState::Fight;
    game.world.match.fightLive = true;
    game.screenFade.clock.startedAt = game.world.time.now - 10.0;
    for (int i = 0; i < 2; ++i) {
        game.world.players[i].position = sf::Vector2f(800.f + 400.f * static_cast<float>(i), 300.f);
        game.world.players[i].deathTimer = 10.f;
    }
}

}  // namespace

TEST(PauseMenu, ExitGoesToTheTitleFromARoomAndToTheHubFromAFight)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    enterHub(driver);
    game.state = SceneState::MapSelect;
    tapKey(driver, sf::Keyboard::Escape);
    ASSERT_EQ(game.state, SceneState::Pause);
    EXPECT_EQ(game.pauseMenu.buttons[ExitButton].sprite.getTexture(), game.pauseMenu.exitTextures[0]);
    clickAt(driver, exitButtonX, exitButtonY);
    EXPECT_EQ(game.state, SceneState::Title);

    // From a fight, by the stick: the mouse took over (-1), up wraps to the exit.
    startFight(game);
    playMusic("JUNGLE", 100.f);
    tapKey(driver, sf::Keyboard::Escape);
    ASSERT_EQ(game.state, SceneState::Pause);
    EXPECT_EQ(game.pauseMenu.buttons[ExitButton].sprite.getTexture(), game.pauseMenu.exitTextures[1]);
    moveMouse(driver, 5, 5);
    EXPECT_EQ(game.pauseMenu.selected, -1);
    driver.step(20);
    holdAxis(driver, 0, sf::Joystick::Y, -100.f);
    EXPECT_EQ(game.pauseMenu.selected, 2);
    holdAxis(driver, 0, sf::Joystick::Y, 0.f);
    tapButton(driver, 0, buttonA);
    EXPECT_EQ(game.state, SceneState::MainHub);
    EXPECT_FALSE(isMusicPlaying("JUNGLE"));
    EXPECT_TRUE(game.world.players[0].advancing);
}

TEST(PauseMenu, TheStickWrapsOncePerQuarterSecondAndAHeldAIsIgnored)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    startFight(game);
    // A held through the fight, then Start pauses.
    driver.setButton(0, buttonA, true);
    driver.step();
    pressButton(driver, 0, buttonStart);
    driver.setButton(0, buttonStart, false);
    ASSERT_EQ(game.state, SceneState::Pause);
    driver.step(20);
    holdAxis(driver, 0, sf::Joystick::Y, 100.f);  // resume -> options
    holdAxis(driver, 0, sf::Joystick::Y, 100.f);  // too soon for another step
    EXPECT_EQ(game.pauseMenu.selected, 1);
    driver.step(15);
    holdAxis(driver, 0, sf::Joystick::Y, 100.f);
    driver.step(15);
    holdAxis(driver, 0, sf::Joystick::Y, 100.f);
    EXPECT_EQ(game.pauseMenu.selected, 0);  // past the exit, back to resume
    holdAxis(driver, 0, sf::Joystick::Y, 0.f);
    EXPECT_EQ(game.state, SceneState::Pause);  // the A held from the fight
    driver.setButton(0, buttonA, false);
    driver.step();
    tapButton(driver, 0, buttonA);
    EXPECT_EQ(game.state, SceneState::Fight);
}

// Two identical fights, one paused for ten seconds midway: after as many
// fight frames, both stand exactly alike.
TEST(PauseMenu, ATenSecondPauseChangesNothingInTheFight)
{
    HeadlessGame plain, paused;
    for (HeadlessGame* driver : {&plain, &paused}) {
        Game& game = *driver->game;
        startFight(game);
        driver->setKey(sf::Keyboard::D, true);  // P1 runs
        driver->step(40);
        pressKey(*driver, sf::Keyboard::Numpad3);  // P2 dashes
        driver->step(3);
    }
    tapKey(paused, sf::Keyboard::Escape);
    ASSERT_EQ(paused.game->state, SceneState::Pause);
    paused.step(600);
    tapKey(paused, sf::Keyboard::Escape);
    ASSERT_EQ(paused.game->state, SceneState::Fight);
    plain.step();
    for (HeadlessGame* driver : {&plain, &paused})
        driver->step(3);
    EXPECT_TRUE(plain.game->world.players[1].dashing);
    EXPECT_TRUE(paused.game->world.players[1].dashing);
    for (HeadlessGame* driver : {&plain, &paused})
        driver->step(20);
    for (int i = 0; i < 2; ++i) {
        const Player& a = plain.game->world.players[i];
        const Player& b = paused.game->world.players[i];
        EXPECT_EQ(a.position, b.position);
        EXPECT_EQ(a.frame, b.frame);
        EXPECT_EQ(a.currentState, b.currentState);
        EXPECT_EQ(a.dashing, b.dashing);
        EXPECT_FLOAT_EQ(a.deathTimer, b.deathTimer);
        EXPECT_FLOAT_EQ(a.animClock.elapsed(plain.game->world.time), b.animClock.elapsed(paused.game->world.time));
    }
    EXPECT_FLOAT_EQ(plain.game->world.match.matchTimer, paused.game->world.match.matchTimer);
    EXPECT_FLOAT_EQ(plain.game->world.match.countdown, paused.game->world.match.countdown);
}

TEST(PauseMenu, AnUnpluggedControllerPausesARunningFightOrARoom)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    startFight(game);
    game.world.match.fightLive = false;  // the countdown
    driver.setButton(1, buttonA, false);  // pad 1 plugged in
    driver.step();
    game.input.joysticks[1].connected = false;
    driver.step(5);
    EXPECT_EQ(game.state, SceneState::Fight);
    game.world.match.fightLive = true;  // the loss waited for the fight to run
    driver.step();
    ASSERT_EQ(game.state, SceneState::Pause);
    EXPECT_EQ(game.pauseMenu.returnState, SceneState::Fight);
    // Plugged back in, its Start resumes.
    tapButton(driver, 1, buttonStart);
    EXPECT_EQ(game.state, SceneState::Fight);
    driver.step(5);
    EXPECT_EQ(game.state, SceneState::Fight);

    enterHub(driver);
    game.input.joysticks[1].connected = false;
    driver.step();
    EXPECT_EQ(game.state, SceneState::Pause);
    EXPECT_EQ(game.pauseMenu.returnState, SceneState::MainHub);
}
