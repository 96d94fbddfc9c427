#include "render/Composition.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

namespace {

int alpha(const sf::Sprite& sprite)
{
    return sprite.getColor().a;
}

struct ParallaxTest : ::testing::Test {
    HeadlessGame headless;
    Game& game = *headless.game;
};

}  // namespace

TEST_F(ParallaxTest, ASectionChangeCrossFadesOneStepAFrameOver255Frames)
{
    stepBackgroundCrossFade(game, 0, false);
    ASSERT_EQ(alpha(game.back1[0]), 255);

    stepBackgroundCrossFade(game, 1, true);
    EXPECT_TRUE(game.crossFadeStarted);
    EXPECT_EQ(alpha(game.back1[0]), 254);
    EXPECT_EQ(alpha(game.back2[0]), 254);
    EXPECT_EQ(alpha(game.back1[1]), 1);
    EXPECT_EQ(alpha(game.back2[1]), 1);
    EXPECT_EQ(game.backgroundIndex, 0);

    for (int frame = 1; frame < 255; ++frame)
        stepBackgroundCrossFade(game, 1, true);
    EXPECT_EQ(alpha(game.back1[0]), 0);
    EXPECT_EQ(alpha(game.back1[1]), 255);

    // The pan ends: the new section becomes the one shown.
    stepBackgroundCrossFade(game, 1, false);
    EXPECT_FALSE(game.crossFadeStarted);
    EXPECT_EQ(game.backgroundIndex, 1);
    EXPECT_EQ(alpha(game.back1[1]), 255);
}

TEST_F(ParallaxTest, ANewSectionJumpsToOpaqueWhenTheOldPicturesAreAlreadyGone)
{
    game.backgroundIndex = 2;
    game.back1[2].setColor(sf::Color(255, 255, 255, 0));
    stepBackgroundCrossFade(game, 3, true);
    EXPECT_EQ(alpha(game.back1[3]), 255);
    EXPECT_EQ(alpha(game.back2[3]), 255);
}

TEST_F(ParallaxTest, SectionsBeyondTheFifthReuseTheFiveVariants)
{
    // Section 6 of the map uses the pictures of variant 1.
    game.tileMap.sectionIndex = 6;
    drawParallax(game);
    EXPECT_EQ(game.backgroundIndex, 1);
    EXPECT_EQ(alpha(game.back1[1]), 255);
}

TEST_F(ParallaxTest, FartherPicturesMoveLessAndAgainstTheCamera)
{
    game.camera.view.setCenter(960.f + 2500.f, 540.f);
    drawParallax(game);
    EXPECT_FLOAT_EQ(game.back1[0].getPosition().x, 0.f);
    EXPECT_FLOAT_EQ(game.back2[0].getPosition().x, 450.f - 100.f);
    EXPECT_NEAR(game.back3_a.getPosition().x, -2500.f / 12.f, 1e-3);
    EXPECT_NEAR(game.back3_b.getPosition().x, 1920.f - 2500.f / 12.f, 1e-3);
}
