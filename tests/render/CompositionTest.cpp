#include "render/Composition.h"
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
    game.hudLayer.setView(game.hudLayer.getDefaultView());
    game.hudLayer.clear(sf::Color::Transparent);
    fillRect(game.hudLayer, sf::FloatRect(0.f, 0.f, 400.f, 200.f), sf::Color::Blue);
    compose();
    EXPECT_EQ(pixelAt(target, 240, 135), sf::Color::Red);
    EXPECT_EQ(pixelAt(target, 20, 20), sf::Color::Blue);
}
