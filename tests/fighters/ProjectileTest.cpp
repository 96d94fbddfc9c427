#include "fighters/DuelWorld.h"

#include "fighters/Projectile.h"

#include <gtest/gtest.h>

namespace {

constexpr float dt = 1.f / 60.f;

// Steps only the shots, so the fighters' parry flags stay as the test sets them.
void stepShots(DuelWorld& w, int frames)
{
    for (int i = 0; i < frames; ++i) {
        w.world.stepTime = dt;
        updateProjectiles(w.world);
    }
}

Projectile& onlyShot(DuelWorld& w)
{
    return w.world.shots.front();
}

}  // namespace

TEST(Projectile, AParriedShotReturnsFasterEachTime)
{
    DuelWorld w;
    w.stand(w.p1(), 600.f, 1);
    w.stand(w.p2(), 1600.f, -1);
    spawnProjectile(w.world, false, w.p1().position + sf::Vector2f(40.f, 0.f), 1500.f, 1, 0);
    w.p2().parryActive = true;
    stepShots(w, 60);
    ASSERT_EQ(w.world.shots.size(), 1u);
    EXPECT_FLOAT_EQ(onlyShot(w).speed, -1800.f);
    EXPECT_TRUE(onlyShot(w).fromP2);
    w.p2().parryActive = false;
    w.p1().parryActive = true;
    stepShots(w, 20);
    ASSERT_EQ(w.world.shots.size(), 1u);
    EXPECT_FLOAT_EQ(onlyShot(w).speed, 2160.f);
    EXPECT_FALSE(onlyShot(w).fromP2);
    // Unparried, it wounds and is gone.
    w.p1().parryActive = false;
    stepShots(w, 60);
    EXPECT_TRUE(w.world.shots.empty());
    EXPECT_EQ(w.p2().hitPoints, 0);
    EXPECT_EQ(w.p1().hitPoints, 1);
}

TEST(Projectile, InTheHubAShotStunsEvenAProtectedFighter)
{
    DuelWorld w;
    w.world.match.fightScene = false;  // the hub
    w.stand(w.p2(), 1300.f, -1);
    w.p2().deathTimer = 3.2f;
    spawnProjectile(w.world, true, w.p1().position, 1500.f, 1, 0);
    stepShots(w, 30);
    EXPECT_TRUE(w.world.shots.empty());
    EXPECT_EQ(w.p2().currentState, AnimState::STUN);
    EXPECT_EQ(w.p2().hitPoints, 1);
    // In the fight the same protection stops a wounding shot.
    w.world.match.fightScene = true;
    setBothStates(w.p2(), AnimState::IDLE);
    spawnProjectile(w.world, false, w.p1().position, 1500.f, 1, 0);
    stepShots(w, 30);
    EXPECT_TRUE(w.world.shots.empty());
    EXPECT_EQ(w.p2().hitPoints, 1);
}

TEST(Projectile, EndsAtAWallAndAtTheSectionEdge)
{
    DuelWorld w;
    w.stand(w.p2(), 3500.f, -1);
    w.setCell(25, floorRow - 1, 1);  // a block in the shot's path
    spawnProjectile(w.world, false, w.p1().position, 1500.f, 1, 0);
    stepShots(w, 60);
    EXPECT_TRUE(w.world.shots.empty());
    EXPECT_EQ(w.p2().hitPoints, 1);
    spawnProjectile(w.world, false, sf::Vector2f(100.f, 100.f), 1500.f, -1, 0);
    stepShots(w, 10);
    EXPECT_TRUE(w.world.shots.empty()) << "leftwards out of the section";
}
