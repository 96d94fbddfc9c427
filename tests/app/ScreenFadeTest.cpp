#include "app/ScreenFade.h"

#include <gtest/gtest.h>

TEST(ScreenFade, DarkensIn51FramesAndClearsIn51)
{
    ScreenFade fade;
    fade.active = fade.darkening = fade.lightening = true;
    int frames = 0;
    while (fade.alpha < 255) {
        stepFade(fade);
        ++frames;
    }
    EXPECT_EQ(frames, 51);
    EXPECT_TRUE(fade.darkening);
    stepFade(fade);  // the first step back clears darkening
    EXPECT_FALSE(fade.darkening);
    frames = 1;
    while (fade.alpha > 0) {
        stepFade(fade);
        ++frames;
    }
    EXPECT_EQ(frames, 51);
    EXPECT_TRUE(fade.active);
    stepFade(fade);
    EXPECT_FALSE(fade.active);
    EXPECT_FALSE(fade.lightening);
}

TEST(ScreenFade, ColourShowsThePreviousStep)
{
    ScreenFade fade;
    fade.active = fade.darkening = fade.lightening = true;
    stepFade(fade);
    EXPECT_EQ(fade.curtain.getFillColor().a, 0);
    EXPECT_EQ(fade.alpha, 5);
    stepFade(fade);
    EXPECT_EQ(fade.curtain.getFillColor().a, 5);
}
