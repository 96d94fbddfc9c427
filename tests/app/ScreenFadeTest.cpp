#include "app/ScreenFade.h"

#include <gtest/gtest.h>

// 51 frames to black and 51 back; the curtain's colour always shows the
// alpha of the step before, so the first darkening frame is still clear.
TEST(ScreenFade, DarkensIn51FramesAndClearsIn51WithTheColourOneStepBehind)
{
    ScreenFade fade;
    fade.active = fade.darkening = fade.lightening = true;
    stepFade(fade);
    EXPECT_EQ(fade.curtain.getFillColor().a, 0);
    EXPECT_EQ(fade.alpha, 5);
    stepFade(fade);
    EXPECT_EQ(fade.curtain.getFillColor().a, 5);
    int frames = 2;
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
