#include "fighters/Collision.h"
#include "fighters/FighterWorld.h"
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

void expectSameBody(const Entity& a, const Entity& b, int trial)
{
    EXPECT_EQ(a.position, b.position) << "trial " << trial;
    EXPECT_EQ(a.velocity, b.velocity) << "trial " << trial;
    EXPECT_EQ(a.onGround, b.onGround) << "trial " << trial;
    EXPECT_EQ(a.wallContact, b.wallContact) << "trial " << trial;
}

}  // namespace

TEST(TileCollision, NearbyTilesGiveExactlyTheResultOfTheFullScan)
{
    std::srand(1234);
    TileMap map;
    for (int level = 0; level < 6; ++level) {
        fillRandomLevel(map, 3, level % 2 ? caaColumns : classicColumns);
        map.sectionIndex = level % 3;
        map.solidTiles.clear();
        map.hazards.clear();
        buildCollision(map);
        const float left = sectionLeft(map, map.sectionIndex);
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
            collideWithTiles(fast, map, dt);
            collideWithEveryTile(plain, map, dt);
            expectSameBody(fast, plain, trial);
            if (HasFailure())
                return;
        }
    }
}

TEST(TileCollision, HandFilledListsAndFarBodiesStayExact)
{
    TileMap map;
    map.solidTiles = {{100.f, 300.f}, {130.f, 330.f}, {164.f, 300.f}, {-1e9f, 5.f}};  // off-grid tiles
    Entity body;
    body.position = sf::Vector2f(150.f, 280.f);
    Entity plain = body;
    collideWithTiles(body, map, 1.f / 60.f);  // not indexed: the full scan serves
    collideWithEveryTile(plain, map, 1.f / 60.f);
    expectSameBody(body, plain, 0);
    indexSolidTiles(map);
    map.solidTiles.pop_back();
    indexSolidTiles(map);
    for (sf::Vector2f at : {sf::Vector2f(150.f, 280.f), sf::Vector2f(1e30f, -1e30f), sf::Vector2f(NAN, 3.f)}) {
        Entity fast;
        fast.position = at;
        Entity reference = fast;
        collideWithTiles(fast, map, 1.f / 60.f);
        collideWithEveryTile(reference, map, 1.f / 60.f);
        if (at.x == at.x)
            expectSameBody(fast, reference, 1);
    }
}

TEST(TileCollision, StandingFighterKeepsOnGroundThroughTheProbe)
{
    FighterWorld world;
    world.floorRow(15);
    world.standOn(world.p2(), 2000.f, 15);
    Player& p = world.p1();
    world.standOn(p, 500.f, 15);
    const sf::Vector2f start = p.position;
    for (int frame = 0; frame < 120; ++frame) {
        world.step();
        ASSERT_TRUE(p.onGround) << frame;
        ASSERT_EQ(p.position, start) << frame;
        ASSERT_FALSE(p.airborne);
        ASSERT_FALSE(p.wallContact);
    }
}

TEST(TileCollision, CeilingPushesDownWithOnePixelPerSecondAndSmallOverlapsWait)
{
    FighterWorld world;
    world.setTile(10, 5, 0);  // ceiling cell: x 640..704, y 320..384
    Player& p = world.p1();
    world.game->frameTime = 1.f / 60.f;
    // Rising at 1200 px/s the tolerance is 20 px: a 15 px overlap is left alone.
    p.position = sf::Vector2f(672.f, 384.f - 15.f + p.size.y / 2.f);
    p.velocity = sf::Vector2f(0.f, -1200.f);
    collideWithTiles(*world.game, p);
    EXPECT_FLOAT_EQ(p.position.y, 384.f - 15.f + p.size.y / 2.f);
    EXPECT_FLOAT_EQ(p.velocity.y, -1200.f);
    // A 25 px overlap is pushed out, and the fighter keeps moving down slowly.
    p.position.y = 384.f - 25.f + p.size.y / 2.f;
    collideWithTiles(*world.game, p);
    EXPECT_FLOAT_EQ(p.position.y, 384.f + p.size.y / 2.f);
    EXPECT_FLOAT_EQ(p.velocity.y, 1.f);
    EXPECT_FALSE(p.onGround);
    p.airborne = true;
    p.doubleJumpUsed = true;
    updatePlayer(p, *world.game);
    EXPECT_TRUE(p.airborne) << "a bump on the head is no landing";
    EXPECT_TRUE(p.doubleJumpUsed);
    // Side contact: pushed out sideways, wall contact, no horizontal speed.
    p.position = sf::Vector2f(640.f - 30.f + 10.f, 352.f);
    p.velocity = sf::Vector2f(500.f, 0.f);
    collideWithTiles(*world.game, p);
    EXPECT_FLOAT_EQ(p.position.x, 610.f);
    EXPECT_TRUE(p.wallContact);
    EXPECT_EQ(p.velocity.x, 0.f);
}
