#include "render/Composition.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

namespace {

int alpha(const sf::Sprite& sprite)
{
    return sprite.getColor().a;
}

}  // namespace

TEST(Parallax, ASectionChangeCrossFadesOneStepAFrameOver255Frames)
{
    HeadlessGame headless;
    Game& game = *headless.game;
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
