#include "fighters/Collision.h"
#include "fighters/DuelWorld.h"
#include "fighters/PlayerStep.h"
#include "level/TileMap.h"
#include "support/ReferenceTiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

float randomIn(float low, float high)
{
    return low + (high - low) * static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX);
}

}  // namespace

TEST(TileCollision, NearbyTilesGiveExactlyTheResultOfTheFullScan)
{
    std::srand(1234);
    TileMap map;
    for (int level = 0; level < 6; ++level) {
        fillRandomLevel(map, 3, level % 2 ? caaColumns : classicColumns);
        const int live = level % 3;
        buildCollision(map);
        const SectionCollision& ground = collisionOf(map, live);
        const float left = sectionLeft(map, live);
        for (int trial = 0; trial < 3000; ++trial) {
            Entity body;
            body.size = sf::Vector2f(randomIn(10.f, 130.f), randomIn(10.f, 130.f));
            // Positions on the grid lines and half-way between them, where ties decide.
            const bool snapped = trial % 3 == 0;
            body.position = sf::Vector2f(left + randomIn(-100.f, map.columns * 64.f + 100.f), randomIn(-100.f, 1380.f));
            if (snapped)
                body.position = sf::Vector2f(std::round(body.position.x / 32.f) * 32.f,
                                             std::round(body.position.y / 32.f) * 32.f - body.size.y / 2.f);
            body.velocity = sf::Vector2f(randomIn(-2000.f, 2000.f), randomIn(-2500.f, 2500.f));
            body.onGround = trial % 2;
            const float dt = randomIn(0.f, 0.05f);
            Entity fast = body, plain = body;
            collideWithTiles(fast, ground, dt);
            collideWithEveryTile(plain, ground, dt);
            EXPECT_EQ(fast.position, plain.position) << "trial " << trial;
            EXPECT_EQ(fast.velocity, plain.velocity) << "trial " << trial;
            EXPECT_EQ(fast.onGround, plain.onGround) << "trial " << trial;
            EXPECT_EQ(fast.wallContact, plain.wallContact) << "trial " << trial;
            if (HasFailure())
                return;
        }
    }
}

TEST(TileCollision, StandingFighterKeepsOnGroundThroughTheProbe)
{
    DuelWorld world;
    Player& p = world.p1();
    world.stand(world.p2(), 3500.f, -1);  // out of the way
    world.stand(p, 500.f, 1);
    const sf::Vector2f start = p.position;
    for (int frame = 0; frame < 120; ++frame) {
        world.frames(1);
        ASSERT_TRUE(p.onGround) << frame;
        ASSERT_EQ(p.position, start) << frame;
        ASSERT_FALSE(p.airborne);
        ASSERT_FALSE(p.wallContact);
    }
}

TEST(TileCollision, CeilingPushesDownWithOnePixelPerSecondAndSmallOverlapsWait)
{
    DuelWorld world;
    world.setCell(10, 5, 0);  // ceiling cell: x 640..704, y 320..384
    Player& p = world.p1();
    world.world.stepTime = 1.f / 60.f;
    // Rising at 1200 px/s the tolerance is 20 px: a 15 px overlap is left alone.
    p.position = sf::Vector2f(672.f, 384.f - 15.f + p.size.y / 2.f);
    p.velocity = sf::Vector2f(0.f, -1200.f);
    collideWithTiles(world.world, p);
    EXPECT_FLOAT_EQ(p.position.y, 384.f - 15.f + p.size.y / 2.f);
    EXPECT_FLOAT_EQ(p.velocity.y, -1200.f);
    // A 25 px overlap is pushed out, and the fighter keeps moving down slowly.
    p.position.y = 384.f - 25.f + p.size.y / 2.f;
    collideWithTiles(world.world, p);
    EXPECT_FLOAT_EQ(p.position.y, 384.f + p.size.y / 2.f);
    EXPECT_FLOAT_EQ(p.velocity.y, 1.f);
    EXPECT_FALSE(p.onGround);
    p.airborne = true;
    p.doubleJumpUsed = true;
    updatePlayer(p, world.world);
    EXPECT_TRUE(p.airborne) << "a bump on the head is no landing";
    EXPECT_TRUE(p.doubleJumpUsed);
}
