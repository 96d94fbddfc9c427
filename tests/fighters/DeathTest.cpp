#include "fighters/DuelWorld.h"

#include "fighters/Death.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int atoola = 1;

// The x a respawn aimed at `x` lands on (floor everywhere): the cell's left
// edge plus half the width.
float cellX(float x, const Player& p)
{
    return std::floor(x / 64.f) * 64.f + p.size.x / 2.f;
}

}  // namespace

TEST(Respawn, ComesBackAfterThreeSecondsProtectedForHalfASecond)
{
    DuelWorld w(atoola, atoola);
    w.heard.clear();
    Player& p = w.p2();
    p.hitPoints = 0;
    w.frames(1);
    EXPECT_TRUE(p.dead);
    EXPECT_FALSE(p.alive);
    EXPECT_EQ(p.requestedState, AnimState::DEATH);
    EXPECT_TRUE(w.cued("DEATH"));
    int frames = 0;
    while (!p.alive && frames < 400) {
        w.frames(1);
        ++frames;
    }
    EXPECT_GT(p.deathTimer, 3.f);
    EXPECT_LE(p.deathTimer, 3.f + 1.f / 60.f + 1e-4f);
    EXPECT_EQ(p.hitPoints, 1);
    EXPECT_FALSE(p.dead);
    EXPECT_EQ(p.currentState, AnimState::IDLE);
    // Protected (and glowing) until 3.5 s, then vulnerable.
    EXPECT_TRUE(isProtected(p));
    while (p.deathTimer <= 3.5f)
        w.frames(1);
    EXPECT_TRUE(isVulnerable(p));
}

TEST(Respawn, LandsOnTheSideTheFlagsDecideFacingTheOpponent)
{
    DuelWorld w(atoola, atoola);
    Player& p1 = w.p1();
    Player& p2 = w.p2();
    // P1 prefers the left of P2 ...
    w.stand(p2, 2000.f, -1);
    respawn(p1, w.world);
    EXPECT_EQ(p1.position.x, cellX(2000.f - 850.f, p1));
    EXPECT_EQ(p1.facing, 1);
    // ... but takes the right when the left spot lies outside the section.
    w.stand(p2, 300.f, -1);
    respawn(p1, w.world);
    EXPECT_EQ(p1.position.x, cellX(300.f + 850.f, p1));
    EXPECT_EQ(p1.facing, -1);
    // With P2's flag carried P1 prefers the right.
    w.world.flags[1].carried = true;
    w.stand(p2, 2000.f, -1);
    respawn(p1, w.world);
    EXPECT_EQ(p1.position.x, cellX(2850.f, p1));
    // P2 mirrors: the right unless P1's flag is carried, then the left.
    w.stand(p1, 1000.f, 1);
    respawn(p2, w.world);
    EXPECT_EQ(p2.position.x, cellX(1850.f, p2));
    EXPECT_EQ(p2.facing, -1);
    w.world.flags[0].carried = true;
    respawn(p2, w.world);
    EXPECT_EQ(p2.position.x, cellX(1000.f - 850.f, p2));
    // Both down: either side of the camera centre.
    w.world.match.bothDown = true;
    w.world.camera.centre.x = 1500.f;
    respawn(p1, w.world);
    respawn(p2, w.world);
    EXPECT_EQ(p1.position.x, cellX(1075.f, p1));
    EXPECT_EQ(p2.position.x, cellX(1925.f, p2));
    EXPECT_EQ(p1.position.y, (floorRow - 1) * 64.f);
}
