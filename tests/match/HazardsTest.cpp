#include "fighters/DuelWorld.h"

#include "match/Hazards.h"

#include <gtest/gtest.h>

namespace {

constexpr int atoola = 1, gigachill = 2;

}  // namespace

TEST(Hazards, ASpikeKillsWhateverTheHitPointsButNotADash)
{
    DuelWorld w(gigachill, atoola);
    Player& p = w.p1();
    w.setCell(20, floorRow - 1, spikeCode);
    ASSERT_EQ(p.hitPoints, 2);
    // Standing exactly beside the cell is no contact.
    p.position.x = 20 * 64.f - p.size.x / 2.f;
    hazardTest(p);
    EXPECT_EQ(p.hitPoints, 2);
    // Dashing across it is safe.
    p.position.x += 1.f;
    p.dashing = true;
    hazardTest(p);
    EXPECT_EQ(p.hitPoints, 2);
    p.dashing = false;
    hazardTest(p);
    EXPECT_EQ(p.hitPoints, 0);
    EXPECT_EQ(p.currentState, AnimState::DEATH);
}

TEST(Hazards, WaterSlowsOnlyWhileTouchedAndTwoCellsAreLikeOne)
{
    DuelWorld w;
    Player& p = w.p1();
    w.setCell(20, floorRow - 1, waterCode);
    w.setCell(21, floorRow - 1, waterCode);
    p.position.x = 21 * 64.f;  // across both cells
    hazardTest(p);
    EXPECT_TRUE(p.slowed);
    w.frames(1);
    EXPECT_EQ(p.moveScale, sf::Vector2f(0.5f, 0.5f));
    p.position.x = 30 * 64.f;
    hazardTest(p);
    EXPECT_FALSE(p.slowed);
}

TEST(Hazards, RebuildingASectionReplacesItsHazards)
{
    DuelWorld w;
    w.setCell(20, floorRow - 1, waterCode);
    w.setCell(22, floorRow - 1, spikeCode);
    const auto& hazards = collisionOf(w.tileMap, 0).hazards;
    ASSERT_EQ(hazards.size(), 2u);
    for (int i = 0; i < 5; ++i)
        buildCollision(w.tileMap);
    ASSERT_EQ(hazards.size(), 2u);
    EXPECT_NE(dynamic_cast<Slow*>(hazards[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<Spike*>(hazards[1].get()), nullptr);
    EXPECT_EQ(hazards[1]->position, sf::Vector2f(22 * 64.f, (floorRow - 1) * 64.f));
}
