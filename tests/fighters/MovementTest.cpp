#include "fighters/FighterWorld.h"
#include "fighters/PlayerStep.h"
#include "fighters/PlayersTick.h"

#include <gtest/gtest.h>

namespace {

// Seconds until the fighter's horizontal speed has halved from 1000 px/s.
float halvingTime(FighterWorld& world, Player& p)
{
    const float dt = 1.f / 1000.f;
    p.velocity.x = 1000.f;
    for (int frame = 1; frame < 2000; ++frame) {
        world.step(1, dt);
        if (p.velocity.x <= 500.f)
            return static_cast<float>(frame) * dt;
    }
    return 99.f;
}

}  // namespace

TEST(Movement, WalkingOffALedgeMakesTheNextPressADoubleJump)
{
    FighterWorld world;
    for (int column = 0; column < 10; ++column)  // floor ends at x 640
        world.setTile(column, 15, 0);
    world.standOn(world.p2(), 100.f, 15);
    Player& p = world.p1();
    world.standOn(p, 560.f, 15);
    world.key(sf::Keyboard::D, true);
    int frames = 0;
    while (!p.airborne && frames < 60) {
        world.step();
        ++frames;
    }
    ASSERT_TRUE(p.airborne);
    EXPECT_TRUE(p.falling);
    EXPECT_GT(p.position.x, 640.f);
    world.key(sf::Keyboard::D, false);
    world.key(sf::Keyboard::W, true);
    const float before = p.velocity.y;
    world.step();
    EXPECT_NEAR(p.velocity.y, -1200.f + 5000.f / 60.f, 0.01f) << "was falling at " << before;
    EXPECT_TRUE(p.doubleJumpUsed);
}

TEST(Movement, AMoveOfTheFightersOwnSizeIsDroppedInsteadOfTunnelling)
{
    FighterWorld world(withFloor);
    Player& p = world.p1();
    world.standOn(p, 1000.f, 15);
    p.velocity.x = 3700.f;  // 61.7 px at 60 frames per second, the fighter is 60 wide
    world.step();
    EXPECT_EQ(p.position.x, 1000.f);
    EXPECT_EQ(p.velocity, sf::Vector2f(0.f, 0.f));
    // A long frame does the same to an ordinary run.
    p.velocity.x = 700.f;
    world.step(1, 0.1f);
    EXPECT_EQ(p.position.x, 1000.f);
    EXPECT_EQ(p.velocity.x, 0.f);
}

TEST(Movement, FrictionHalvesSpeedFastOnTheGroundSlowlyInTheAir)
{
    FighterWorld world(withFloor);
    Player& p = world.p1();
    world.standOn(p, 500.f, 15);
    EXPECT_NEAR(halvingTime(world, p), 0.069f, 0.005f);
    p.position = sf::Vector2f(500.f, 200.f);  // in the air, far above the floor
    p.velocity = sf::Vector2f(0.f, 0.f);
    EXPECT_NEAR(halvingTime(world, p), 0.231f, 0.005f);
    world.standOn(p, 500.f, 15);
    p.velocity.x = 4.f;
    world.step();
    EXPECT_EQ(p.velocity.x, 0.f);
}

TEST(Movement, FallingBelowTheLevelKills)
{
    FighterWorld world(withFloor);
    world.standOn(world.p2(), 3500.f, 15);
    Player& p = world.p1();
    p.position = sf::Vector2f(500.f, 1250.f);
    p.velocity = sf::Vector2f(0.f, 600.f);
    world.tileMap.collision[0] = SectionCollision{};  // a gap under the fighter
    while (p.position.y <= 1280.f)
        world.step();
    EXPECT_EQ(p.hitPoints, 0);
}

TEST(Movement, HubEdgeThrowsBackAndLocksSteeringUntilTheGround)
{
    FighterWorld world(withFloor);
    world.world.match.fightScene = false;  // the hub's rules
    world.standOn(world.p2(), 1500.f, 15);
    Player& p = world.p1();
    world.standOn(p, 31.f, 15);
    world.key(sf::Keyboard::A, true);  // keeps pushing left
    world.step(3);
    EXPECT_TRUE(p.knockbackLock);
    EXPECT_GT(p.velocity.x, 0.f) << "thrown right, no steering back";
    EXPECT_LT(p.position.y, 15 * 64.f - p.size.y / 2.f) << "thrown up";
    EXPECT_GE(p.position.x - p.size.x / 2.f, 0.f);
    int frames = 0;
    while (p.knockbackLock && frames < 240) {
        world.step();
        ++frames;
    }
    EXPECT_FALSE(p.knockbackLock);
    EXPECT_TRUE(p.onGround);
    world.step();
    EXPECT_LT(p.velocity.x, 0.f) << "steers again once it walks on the ground";
}

TEST(Movement, FightersWalkingIntoEachOtherStopAtTheHitboxEdge)
{
    FighterWorld world(withFloor);
    Player& a = world.p1();
    Player& b = world.p2();
    world.standOn(a, 800.f, 15);
    world.standOn(b, 1000.f, 15);
    world.key(sf::Keyboard::D, true);      // P1 runs right
    world.key(sf::Keyboard::Left, true);   // P2 runs left
    world.step(60);
    EXPECT_LT(a.position.x, b.position.x);
    EXPECT_NEAR(b.position.x - a.position.x, 30.f, 12.f);
    const float gap = b.position.x - a.position.x;
    world.step(30);
    EXPECT_NEAR(b.position.x - a.position.x, gap, 12.f) << "they stay blocked";
    // A dashing fighter passes.
    a.currentState = AnimState::DASH;
    a.velocity.x = 1750.f;
    const float x = a.position.x;
    blockBodies(a, b);
    EXPECT_EQ(a.position.x, x);
}
