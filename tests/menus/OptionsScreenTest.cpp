#include "app/Latches.h"
#include "audio/Audio.h"
#include "menus/MenuDriver.h"
#include "settings/GameSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const int optionsButtonX = 960, optionsButtonY = 540;
const int effectsTrackY = 540;
const int trackLeftX = 660, trackRightX = 1260;  // the 600 px track centred on 960

// The options screen opened from the pause menu over the main hub.
void openOptionsFromHub(HeadlessGame& driver)
{
    enterHub(driver);
    tapKey(driver, sf::Keyboard::Escape);
    clickAt(driver, optionsButtonX, optionsButtonY);
    ASSERT_EQ(driver.game->state, SceneState::Options);
}

}  // namespace

TEST(OptionsScreen, DraggingPastEitherEndGivesExactlyZeroOrOneAndEndsWithTheButton)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    openOptionsFromHub(driver);
    const float music = audio().musicVolume;
    Slider& effects = game.options.sfxSlider;
    pressMouse(driver, 800, effectsTrackY);
    EXPECT_TRUE(effects.dragging);
    moveMouse(driver, trackRightX + 300, 900);
    EXPECT_EQ(effects.value, 1.f);
    EXPECT_FLOAT_EQ(effects.knobPosition.x, trackRightX - sliderMargin);
    moveMouse(driver, 0, 0);
    EXPECT_EQ(effects.value, 0.f);
    EXPECT_EQ(audio().sfxVolume, 1.f);  // the volume follows in the next frame
    moveMouse(driver, 960, effectsTrackY);
    EXPECT_EQ(audio().sfxVolume, 0.f);
    driver.step();
    EXPECT_FLOAT_EQ(audio().sfxVolume, 0.5f);
    EXPECT_EQ(audio().musicVolume, music);  // the other slider was not touched

    // The button comes up: the knob stays where it was left.
    releaseMouse(driver);
    moveMouse(driver, trackLeftX + 30, effectsTrackY);
    EXPECT_FALSE(game.options.sfxSlider.dragging);
    EXPECT_FLOAT_EQ(audio().sfxVolume, 0.5f);

    // A drag left with Escape is over, though the button is released elsewhere.
    pressMouse(driver, 960, effectsTrackY);
    tapKey(driver, sf::Keyboard::Escape);
    ASSERT_EQ(game.state, SceneState::Pause);
    game.input.mouseButtons[sf::Mouse::Left] = false;
    game.input.mousePixel = sf::Vector2i(100, 100);
    driver.step(3);
    clickAt(driver, optionsButtonX, optionsButtonY);
    ASSERT_EQ(game.state, SceneState::Options);
    game.input.mousePixel = sf::Vector2i(trackLeftX, effectsTrackY);
    game.input.mouseButtons[sf::Mouse::Left] = true;
    driver.step(3);
    EXPECT_FLOAT_EQ(audio().sfxVolume, 0.5f);
}

TEST(OptionsScreen, TheStickStepsTenthsUpToExactlyOneButNeverPastIt)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    openOptionsFromHub(driver);
    Slider& effects = game.options.sfxSlider;
    setSliderValue(effects, 0.5f);
    driver.step(20);
    holdAxis(driver, 0, sf::Joystick::Y, 100.f);  // full screen -> effects
    EXPECT_EQ(game.options.selected, EffectsItem);
    holdAxis(driver, 0, sf::Joystick::Y, 0.f);
    game.input.joysticks[0].axes[sf::Joystick::X] = 100.f;
    driver.step(16 * 5);
    EXPECT_EQ(effects.value, 1.f);
    EXPECT_EQ(audio().sfxVolume, 1.f);
    // From 0.95 a step would pass 1: it is not taken; down it goes by tenths.
    setSliderValue(effects, 0.95f);
    driver.step(16 * 2);
    EXPECT_FLOAT_EQ(effects.value, 0.95f);
    game.input.joysticks[0].axes[sf::Joystick::X] = -100.f;
    driver.step(16 * 2);
    EXPECT_NEAR(effects.value, 0.75f, 1e-5f);
    // The music slider is not the stick's choice: it did not move.
    EXPECT_EQ(game.options.musicSlider.value, audio().musicVolume);
}

TEST(OptionsScreen, ATrackWithoutItsPictureKeepsTheVolumeFinite)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    openOptionsFromHub(driver);
    Slider& effects = game.options.sfxSlider;
    setSliderValue(effects, 0.3f);
    effects.track = sf::Sprite();  // a track picture that failed to load: no width
    effects.dragging = true;
    game.input.mouseButtons[sf::Mouse::Left] = true;
    game.input.mousePixel = sf::Vector2i(1500, 540);
    driver.step();
    EXPECT_FLOAT_EQ(audio().sfxVolume, 0.3f);
    EXPECT_TRUE(std::isfinite(effects.knobPosition.x));
    setSliderValue(effects, std::nanf(""));
    driver.step();
    EXPECT_EQ(audio().sfxVolume, 0.f);
    saveGameSettings(game);
    GameSettings saved;
    Problems problems;
    ASSERT_TRUE(readGameSettings(saved, problems));
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(saved.sfxVolume, 0.f);
}

TEST(OptionsScreen, OnlyThePausedScenesTrackPlaysOnWhereItWas)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    enterHub(driver);
    driver.step();
    sf::Music* menu = musicTrack("MENU");
    sf::Music* jungle = musicTrack("JUNGLE");
    ASSERT_TRUE(menu && jungle);
    ASSERT_EQ(menu->getStatus(), sf::Music::Playing);
    menu->setPlayingOffset(sf::seconds(2.f));
    jungle->play();
    tapKey(driver, sf::Keyboard::Escape);
    clickAt(driver, optionsButtonX, optionsButtonY);
    setSliderValue(game.options.musicSlider, 0.4f);
    driver.step(5);
    EXPECT_EQ(jungle->getStatus(), sf::Music::Paused);
    EXPECT_EQ(menu->getStatus(), sf::Music::Playing);
    EXPECT_GE(menu->getPlayingOffset(), sf::seconds(2.f));  // not started again
    EXPECT_NEAR(menu->getVolume(), 40.f, 0.01f);
    jungle->stop();

    // Pad B goes back to the pause menu.
    tapButton(driver, 0, buttonB);
    EXPECT_EQ(game.state, SceneState::Pause);
}
