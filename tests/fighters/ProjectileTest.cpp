#include "fighters/CombatWorld.h"
#include "app/FixedSteps.h"

#include "fighters/Projectile.h"

#include <gtest/gtest.h>

namespace {

constexpr float dt = 1.f / 60.f;

// Steps only the shots, so the fighters' parry flags stay as the test sets them.
void stepShots(CombatWorld& w, int frames)
{
    for (int i = 0; i < frames; ++i) {
        w.game.frameTime = dt;
        tellWorld(w.game);
        updateProjectiles(w.game.world);
    }
}

Projectile& onlyShot(CombatWorld& w)
{
    return w.game.world.shots.front();
}

}  // namespace

TEST(Projectile, AParriedShotReturnsFasterEachTime)
{
    CombatWorld w;
    w.stand(w.p1(), 600.f, 1);
    w.stand(w.p2(), 1600.f, -1);
    spawnProjectile(w.game.world, false, w.p1().position + sf::Vector2f(40.f, 0.f), 1500.f, 1, 0);
    w.p2().parryActive = true;
    stepShots(w, 60);
    ASSERT_EQ(w.game.world.shots.size(), 1u);
    EXPECT_FLOAT_EQ(onlyShot(w).speed, -1800.f);
    EXPECT_TRUE(onlyShot(w).fromP2);
    w.p2().parryActive = false;
    w.p1().parryActive = true;
    stepShots(w, 20);
    ASSERT_EQ(w.game.world.shots.size(), 1u);
    EXPECT_FLOAT_EQ(onlyShot(w).speed, 2160.f);
    EXPECT_FALSE(onlyShot(w).fromP2);
    // Unparried, it wounds and is gone.
    w.p1().parryActive = false;
    stepShots(w, 60);
    EXPECT_TRUE(w.game.world.shots.empty());
    EXPECT_EQ(w.p2().hitPoints, 0);
    EXPECT_EQ(w.p1().hitPoints, 1);
}

TEST(Projectile, InTheHubAShotStunsEvenAProtectedFighter)
{
    CombatWorld w;
    w.game.state = SceneState::MainHub;
    tellWorld(w.game);
    w.stand(w.p2(), 1300.f, -1);
    w.p2().deathTimer = 3.2f;
    spawnProjectile(w.game.world, true, w.p1().position, 1500.f, 1, 0);
    stepShots(w, 30);
    EXPECT_TRUE(w.game.world.shots.empty());
    EXPECT_EQ(w.p2().currentState, AnimState::STUN);
    EXPECT_EQ(w.p2().hitPoints, 1);
    // In the fight the same protection stops a wounding shot.
    w.game.state = SceneState::Fight;
    tellWorld(w.game);
    setBothStates(w.p2(), AnimState::IDLE);
    spawnProjectile(w.game.world, false, w.p1().position, 1500.f, 1, 0);
    stepShots(w, 30);
    EXPECT_TRUE(w.game.world.shots.empty());
    EXPECT_EQ(w.p2().hitPoints, 1);
}

TEST(Projectile, EndsAtAWallAndAtTheSectionEdge)
{
    CombatWorld w;
    w.stand(w.p2(), 3500.f, -1);
    w.setCell(25, floorRow - 1, 1);  // a block in the shot's path
    spawnProjectile(w.game.world, false, w.p1().position, 1500.f, 1, 0);
    stepShots(w, 60);
    EXPECT_TRUE(w.game.world.shots.empty());
    EXPECT_EQ(w.p2().hitPoints, 1);
    spawnProjectile(w.game.world, false, sf::Vector2f(100.f, 100.f), 1500.f, -1, 0);
    stepShots(w, 10);
    EXPECT_TRUE(w.game.world.shots.empty()) << "leftwards out of the section";
}
