#include "render/hud/Hud.h"
#include "render/Composition.h"
#include "render/FightTint.h"
#include "render/FrameTarget.h"
#include "render/RenderTestKit.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

namespace {

const float frame = 0.25f;  // s: four frames make the vortex's second

struct ComposeTest : ::testing::Test {
    HeadlessGame headless;
    Game& game = *headless.game;
    sf::RenderTexture target;

    ComposeTest() { makeTarget(target, 480, 270); }

    Composition compose()
    {
        game.frameTime = frame;
        return composeToWindow(game, target);
    }
};

}  // namespace

TEST_F(ComposeTest, TheFightPicksGreyInTheCountdownRedInTheLastMinuteAndPlainOtherwise)
{
    game.state = SceneState::Fight;
    game.world.match.fightLive = false;
    EXPECT_EQ(compose().finalCopy, FinalCopy::Grey);

    game.world.match.fightLive = true;
    game.world.match.matchTimer = 200.f;
    EXPECT_EQ(compose().finalCopy, FinalCopy::Plain);
    game.world.match.matchTimer = 60.f;
    EXPECT_EQ(compose().finalCopy, FinalCopy::Red);

    // Sudden death is not a countdown, even before the fight goes live.
    game.world.match.fightLive = false;
    game.world.match.suddenDeath = true;
    game.world.match.matchTimer = 0.f;
    EXPECT_EQ(compose().finalCopy, FinalCopy::Red);

    // Other scenes are copied plain, whatever the timer says.
    game.state = SceneState::MainHub;
    EXPECT_EQ(compose().finalCopy, FinalCopy::Plain);
}

TEST_F(ComposeTest, VictorySwirlsInOverOneSecondRedOnlyWhenTheMatchEndedInItsLastMinute)
{
    game.state = SceneState::Victory;
    game.world.match.matchTimer = 75.f;
    Composition result = compose();
    EXPECT_EQ(result.vortex, VortexPass::InToWindow);
    EXPECT_EQ(result.finalCopy, FinalCopy::None);
    EXPECT_FLOAT_EQ(game.vortexLevel, 3.75f);
    for (int i = 0; i < 5; ++i)
        compose();
    EXPECT_FLOAT_EQ(game.vortexLevel, 15.f);
    EXPECT_FLOAT_EQ(game.vortexTime, 1.5f);

    game.world.match.matchTimer = 42.f;
    EXPECT_EQ(compose().vortex, VortexPass::InThroughRed);

    // Back in a room, the swirl unwinds straight onto the window.
    game.state = SceneState::MainHub;
    const Composition after = compose();
    EXPECT_EQ(after.vortex, VortexPass::OutToWindow);
    EXPECT_EQ(after.finalCopy, FinalCopy::None);
}

TEST_F(ComposeTest, ARematchShowsTheCountdownThroughTheUnwindingSwirlThenGrey)
{
    game.state = SceneState::Victory;
    for (int i = 0; i < 4; ++i)
        compose();
    ASSERT_FLOAT_EQ(game.vortexLevel, 15.f);

    game.state = SceneState::Fight;
    game.world.match.fightLive = false;
    for (int i = 0; i < 3; ++i) {
        const Composition result = compose();
        EXPECT_EQ(result.vortex, VortexPass::OutToVortexLayer);
        EXPECT_EQ(result.finalCopy, FinalCopy::Grey);
        EXPECT_TRUE(result.fromVortexLayer);
    }
    Composition last = compose();
    EXPECT_EQ(last.vortex, VortexPass::OutToVortexLayer);
    EXPECT_FALSE(last.fromVortexLayer);
    EXPECT_LE(game.vortexLevel, 0.f);

    const Composition after = compose();
    EXPECT_EQ(after.vortex, VortexPass::None);
    EXPECT_EQ(after.finalCopy, FinalCopy::Grey);

    // A fight already live while the swirl unwinds still reaches the window.
    game.vortexLevel = 15.f;
    game.world.match.fightLive = true;
    const Composition live = compose();
    EXPECT_EQ(live.finalCopy, FinalCopy::Plain);
    EXPECT_TRUE(live.fromVortexLayer);
}

TEST_F(ComposeTest, TheWindowShowsGreyInTheCountdownAndAnUntintedHudInTheLastMinute)
{
    if (!sf::Shader::isAvailable())
        GTEST_SKIP() << "no shader support";
    ASSERT_TRUE(loadGreyShader(game.greyLevel));
    ASSERT_TRUE(loadFlatShader(game.redLevel, "1.0, 0.0, 0.0"));
    game.state = SceneState::Fight;

    game.world.match.fightLive = false;
    paintScreenLayer(game, sf::Color(200, 40, 10));
    compose();
    const sf::Color grey = pixelAt(target, 240, 135);
    EXPECT_EQ(grey.r, grey.g);
    EXPECT_EQ(grey.g, grey.b);
    EXPECT_GT(grey.r, 60);

    // Last minute: red everywhere except where the HUD is, which is drawn again on top.
    game.world.match.fightLive = true;
    game.world.match.matchTimer = 30.f;
    paintScreenLayer(game, sf::Color::Green);
    compose();
    EXPECT_EQ(pixelAt(target, 240, 200), sf::Color::Red);
    const sf::Vector2f frame = itemFramePosition(game, 0) / 4.f;  // the target is a quarter of the screen
    EXPECT_NE(pixelAt(target, unsigned(frame.x), unsigned(frame.y)), sf::Color::Red);
}

TEST(FrameTarget, PlainFightsAndRoomsGoStraightToTheWindowShadedFramesThroughTheScreenLayer)
{
    HeadlessGame headless;
    Game& game = *headless.game;
    const auto straight = [&](SceneState state) {
        game.state = state;
        return drawsStraight(game);
    };
    game.world.match.fightLive = true;
    game.world.match.matchTimer = 200.f;
    EXPECT_TRUE(straight(SceneState::Fight));
    EXPECT_TRUE(straight(SceneState::MainHub));
    EXPECT_TRUE(straight(SceneState::MapSelect));
    EXPECT_TRUE(straight(SceneState::Pause));
    EXPECT_TRUE(straight(SceneState::Options));
    // The shaders that must see the whole picture, and the screens that build it in the screen layer.
    EXPECT_FALSE(straight(SceneState::Victory));
    EXPECT_FALSE(straight(SceneState::Title));
    // A fight goes straight in every look but sudden death's red, whose
    // wobble reads the whole background.
    game.world.match.matchTimer = 60.f;
    EXPECT_TRUE(straight(SceneState::Fight));
    game.world.match.matchTimer = 200.f;
    game.world.match.fightLive = false;
    EXPECT_TRUE(straight(SceneState::Fight));
    game.world.match.suddenDeath = true;
    game.world.match.matchTimer = 0.f;
    EXPECT_EQ(fightLook(game), FightLook::Red);
    EXPECT_FALSE(straight(SceneState::Fight));
    // The second after Victory unwinds its swirl over any scene.
    game.world.match.fightLive = true;
    game.world.match.suddenDeath = false;
    game.world.match.matchTimer = 200.f;
    game.vortexLevel = 5.f;
    EXPECT_FALSE(straight(SceneState::MainHub));
}

// A fight drawn straight onto the window takes its tint into every drawing:
// grey over the HUD too in the countdown, red under an untinted HUD in the
// last minute, none in plain fighting, under the swirl or under the pause.
TEST(FightTint, GoesIntoTheDrawingsOfAFightDrawnStraight)
{
    if (!sf::Shader::isAvailable())
        GTEST_SKIP() << "no shader support";
    HeadlessGame headless;
    Game& game = *headless.game;
    ASSERT_TRUE(loadPassThroughShader(game.greyLevel) && loadPassThroughShader(game.redLevel));
    sf::RenderTexture window;
    makeTarget(window, 480, 270);
    const auto tintOf = [&](bool& hudTinted) {
        FrameTarget frame = frameTarget(game, window);
        tintFightFrame(game, frame);
        hudTinted = frame.hudTinted;
        return frame.tint;
    };
    bool hud = false;
    game.state = SceneState::Fight;
    game.world.match.fightLive = false;
    EXPECT_EQ(tintOf(hud), &game.greyLevel);
    EXPECT_TRUE(hud);
    game.world.match.fightLive = true;
    game.world.match.matchTimer = 30.f;
    EXPECT_EQ(tintOf(hud), &game.redLevel);
    EXPECT_FALSE(hud);
    game.world.match.matchTimer = 200.f;
    EXPECT_EQ(tintOf(hud), nullptr);

    game.world.match.matchTimer = 30.f;
    game.vortexLevel = 5.f;
    EXPECT_EQ(tintOf(hud), nullptr);
    game.vortexLevel = 0.f;
    game.world.match.suddenDeath = true;
    EXPECT_EQ(tintOf(hud), nullptr);
    game.world.match.suddenDeath = false;
    pauseFrom(game, SceneState::Fight);
    EXPECT_EQ(tintOf(hud), nullptr);
}
