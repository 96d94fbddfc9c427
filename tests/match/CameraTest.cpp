#include "fighters/CombatWorld.h"
#include "app/FixedSteps.h"

#include "match/Camera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float dt = 1.f / 60.f;

void cameraFrames(Game& game, int frames)
{
    for (int i = 0; i < frames; ++i) {
        game.frameTime = dt;
        tellWorld(game);
        game.world.time.now += dt;
        updateCamera(game.world.camera);
    }
}

}  // namespace

TEST(Camera, FollowsTheAdvancingPlayerAndRestsOneTileBelowMidScreen)
{
    CombatWorld w;
    Camera& camera = w.game.world.camera;
    camera.centre.y = 300.f;
    w.p1().advancing = true;
    w.p1().position.x = 2000.f;
    cameraFrames(w.game, 600);
    EXPECT_NEAR(camera.centre.x, 2000.f, 0.5f);
    EXPECT_NEAR(camera.centre.y, 604.f, 0.5f);
    // Near the section's end the view stops at the edge.
    w.p1().position.x = 3800.f;
    cameraFrames(w.game, 600);
    EXPECT_FLOAT_EQ(camera.view.getCenter().x, 3840.f - 960.f);
}

TEST(Camera, AShakeDecaysToNothingAndNeverDrifts)
{
    CombatWorld w;
    srand(7);
    Camera& camera = w.game.world.camera;
    cameraFrames(w.game, 1);
    const sf::Vector2f rest = camera.centre;
    startShake(camera, 20.f, 0.5f);
    startShake(camera, 1.8f, 5.f);  // ignored while the first runs
    EXPECT_EQ(camera.shakeAmplitude, 20.f);
    EXPECT_EQ(camera.shakeDuration, 0.5f);
    float largest = 0.f;
    for (int i = 1; i <= 29; ++i) {
        cameraFrames(w.game, 1);
        const sf::Vector2f offset = camera.view.getCenter() - camera.centre;
        const float magnitude = (1.f - static_cast<float>(i) * dt / 0.5f) * 20.f;
        EXPECT_LE(std::fabs(offset.x), magnitude + 1e-3f) << "frame " << i;
        EXPECT_LE(std::fabs(offset.y), magnitude + 1e-3f) << "frame " << i;
        largest = std::max(largest, std::fabs(offset.x) + std::fabs(offset.y));
        EXPECT_NEAR(camera.centre.x, rest.x, 1e-3f);
        EXPECT_NEAR(camera.centre.y, rest.y, 1e-3f);
    }
    EXPECT_GT(largest, 5.f);
    cameraFrames(w.game, 2);
    EXPECT_FALSE(camera.shaking);
    EXPECT_EQ(camera.view.getCenter(), camera.centre);
}

TEST(Camera, NothingMovesWhileTheCurtainDarkens)
{
    CombatWorld w;
    Camera& camera = w.game.world.camera;
    w.p1().advancing = true;
    w.p1().position.x = 3000.f;
    startShake(camera, 20.f, 0.5f);
    const sf::Vector2f before = camera.view.getCenter();
    w.game.screenFade.darkening = true;
    cameraFrames(w.game, 40);
    EXPECT_EQ(camera.view.getCenter(), before);
    EXPECT_EQ(camera.centre, before);
    // The shake's clock ran on: it ended unseen.
    w.game.screenFade.darkening = false;
    cameraFrames(w.game, 1);
    EXPECT_FALSE(camera.shaking);
}
