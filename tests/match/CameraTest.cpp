#include "fighters/DuelWorld.h"

#include "match/Camera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float dt = 1.f / 60.f;

void cameraFrames(FightWorld& world, int frames)
{
    for (int i = 0; i < frames; ++i) {
        world.stepTime = dt;
        world.time.now += dt;
        updateCamera(world.camera);
    }
}

}  // namespace

TEST(Camera, FollowsTheAdvancingPlayerAndRestsOneTileBelowMidScreen)
{
    DuelWorld w;
    Camera& camera = w.world.camera;
    camera.centre.y = 300.f;
    w.p1().advancing = true;
    w.p1().position.x = 2000.f;
    cameraFrames(w.world, 600);
    EXPECT_NEAR(camera.centre.x, 2000.f, 0.5f);
    EXPECT_NEAR(camera.centre.y, 604.f, 0.5f);
    // Near the section's end the view stops at the edge.
    w.p1().position.x = 3800.f;
    cameraFrames(w.world, 600);
    EXPECT_FLOAT_EQ(camera.view.getCenter().x, 3840.f - 960.f);
}

TEST(Camera, AShakeDecaysToNothingAndNeverDrifts)
{
    DuelWorld w;
    srand(7);
    Camera& camera = w.world.camera;
    cameraFrames(w.world, 1);
    const sf::Vector2f rest = camera.centre;
    startShake(camera, 20.f, 0.5f);
    startShake(camera, 1.8f, 5.f);  // ignored while the first runs
    EXPECT_EQ(camera.shakeAmplitude, 20.f);
    EXPECT_EQ(camera.shakeDuration, 0.5f);
    float largest = 0.f;
    for (int i = 1; i <= 29; ++i) {
        cameraFrames(w.world, 1);
        const sf::Vector2f offset = camera.view.getCenter() - camera.centre;
        const float magnitude = (1.f - static_cast<float>(i) * dt / 0.5f) * 20.f;
        EXPECT_LE(std::fabs(offset.x), magnitude + 1e-3f) << "frame " << i;
        EXPECT_LE(std::fabs(offset.y), magnitude + 1e-3f) << "frame " << i;
        largest = std::max(largest, std::fabs(offset.x) + std::fabs(offset.y));
        EXPECT_NEAR(camera.centre.x, rest.x, 1e-3f);
        EXPECT_NEAR(camera.centre.y, rest.y, 1e-3f);
    }
    EXPECT_GT(largest, 5.f);
    cameraFrames(w.world, 2);
    EXPECT_FALSE(camera.shaking);
    EXPECT_EQ(camera.view.getCenter(), camera.centre);
}

TEST(Camera, NothingMovesWhileTheCurtainDarkens)
{
    DuelWorld w;
    Camera& camera = w.world.camera;
    w.p1().advancing = true;
    w.p1().position.x = 3000.f;
    startShake(camera, 20.f, 0.5f);
    const sf::Vector2f before = camera.view.getCenter();
    w.world.curtain.darkening = true;
    cameraFrames(w.world, 40);
    EXPECT_EQ(camera.view.getCenter(), before);
    EXPECT_EQ(camera.centre, before);
    // The shake's clock ran on: it ended unseen.
    w.world.curtain.darkening = false;
    cameraFrames(w.world, 1);
    EXPECT_FALSE(camera.shaking);
}
