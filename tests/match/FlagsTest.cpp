#include "match/JungleMatch.h"

#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "world/FightStep.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void putFlag(Flag& flag, int section, sf::Vector2f at)
{
    flag.section = section;
    flag.placed = true;
    flag.carried = false;
    flag.position = at;
    flag.shownAt = at;
}

// The cell under a flag's centre is empty and stands on ground that is not a spike.
void expectOnFloor(const FightWorld& world, const Flag& flag)
{
    const int column = static_cast<int>(std::floor((flag.position.x - flag.section * 3840.f) / 64.f));
    const int row = static_cast<int>(flag.position.y / 64.f);
    EXPECT_EQ(tileCode(tiles(world), flag.section, column, row), emptyCode);
    const int below = tileCode(tiles(world), flag.section, column, row + 1);
    EXPECT_NE(below, emptyCode);
    EXPECT_NE(below, spikeCode);
}

}  // namespace

TEST(Flags, LyingFlagsComeToRestOnFloorOnlyInTheLiveSection)
{
    JungleFight f;
    FightWorld& world = f.world;
    Flag& flag = world.flags[0];
    // Dropped over the spikes of the middle section: put on the next floor to its right.
    putFlag(flag, 2, {cellCentreX(2, 52), 100.f});
    updateFlags(world);
    expectOnFloor(world, flag);
    EXPECT_GT(flag.position.x, cellCentreX(2, 53));
    // Below the level: back on the nearest floor, not at its base.
    putFlag(flag, 2, {cellCentreX(2, 20), 1300.f});
    updateFlags(world);
    expectOnFloor(world, flag);
    EXPECT_NEAR(flag.position.x, cellCentreX(2, 20), 64.f);
    // Dropped in mid-air in section 3 while section 2 is live: it waits there,
    // and lands when section 3 is live again.
    putFlag(flag, 3, {cellCentreX(3, 30), 300.f});
    updateFlags(world);
    EXPECT_FLOAT_EQ(flag.position.y, 300.f);
    makeLive(world, 3);
    updateFlags(world);
    expectOnFloor(world, flag);
    // Only its own player, with the right of way, takes it.
    updateFlags(world);  // the picture shows where the flag came to rest
    for (Player& p : world.players) {
        p.position = flag.position;
        placeFrame(p);
    }
    f.p2().advancing = true;
    tryPickUp(f.p2());
    tryPickUp(f.p1());
    EXPECT_FALSE(flag.carried);
    f.p1().advancing = true;
    tryPickUp(f.p1());
    EXPECT_TRUE(flag.carried);
}

TEST(Flags, ScreenAndSectionEdgesFollowTheRightOfWay)
{
    JungleFight f;
    FightWorld& world = f.world;
    Player& p1 = f.p1();
    Player& p2 = f.p2();
    const float viewRight = world.camera.view.getCenter().x + 960.f;
    // Before the first fall nobody crosses: the edge of the view throws back.
    p1.position.x = 3 * 3840.f - 20.f;
    sectionEdges(p1);
    EXPECT_EQ(world.sectionIndex, 2);
    EXPECT_FLOAT_EQ(p1.position.x, viewRight - p1.size.x / 2.f);
    EXPECT_EQ(p1.velocity, sf::Vector2f(-1500.f, -1000.f));
    EXPECT_TRUE(p1.knockbackLock);
    // P1 carrying its flag in the middle cannot leave it leftwards.
    p1.advancing = true;
    world.flags[0].carried = true;
    p1.position.x = 2 * 3840.f + 10.f;
    sectionEdges(p1);
    EXPECT_EQ(world.sectionIndex, 2);
    EXPECT_FLOAT_EQ(p1.position.x, 2 * 3840.f + p1.size.x / 2.f);
    // P2 with the right of way crosses left toward its flag and brings P1
    // along, standing again and briefly protected.
    p1.advancing = false;
    world.flags[0].carried = false;
    p1.hitPoints = 0;
    p1.dead = true;
    p2.advancing = true;
    p2.position.x = 2 * 3840.f + 10.f;
    world.match.crateTimer = 2.f;
    sectionEdges(p2);
    EXPECT_EQ(world.sectionIndex, 1);
    EXPECT_TRUE(world.camera.inTransition);
    EXPECT_FLOAT_EQ(world.match.crateTimer, 0.f);
    EXPECT_EQ(p1.hitPoints, 1);
    EXPECT_FALSE(p1.dead);
    EXPECT_FLOAT_EQ(p1.deathTimer, 3.f);
    EXPECT_GE(p1.position.x, 3840.f);
    EXPECT_LT(p1.position.x, 2 * 3840.f);
    // The kill race only holds fighters at the edges of the view.
    setUpCaaFight(world);
    p1.position.x = -50.f;
    p1.velocity = sf::Vector2f(0.f, 0.f);
    p1.knockbackLock = false;
    sectionEdges(p1);
    EXPECT_FLOAT_EQ(p1.position.x, p1.size.x / 2.f);
    EXPECT_EQ(p1.velocity, sf::Vector2f(0.f, 0.f));
    EXPECT_FALSE(p1.knockbackLock);
}

namespace {

// A capture from `offset` beside the goal, P2's flag flying in at 75 px/s:
// how long it should take at most.
float flightTime(sf::Vector2f goal, sf::Vector2f offset)
{
    const sf::Vector2f target = goal - sf::Vector2f(0.f, 256.f / 2.25f);
    const sf::Vector2f gap = target - (goal + offset);
    return std::sqrt(gap.x * gap.x + gap.y * gap.y) / 75.f + 1.f;
}

}  // namespace

TEST(Flags, ACaptureFromAnySideEndsTheMatchWithinItsFlightTime)
{
    JungleFight f;
    FightWorld& world = f.world;
    const FightInput idle[2];
    for (const sf::Vector2f offset : {sf::Vector2f(-90.f, 180.f), sf::Vector2f(90.f, 100.f), sf::Vector2f(0.f, 0.f),
                                      sf::Vector2f(-40.f, -150.f)}) {
        SCOPED_TRACE(std::to_string(offset.x) + "," + std::to_string(offset.y));
        world.match.fightScene = true;  // back in the fight after the last capture's result
        world.match.flagTaken = false;
        world.camera.reset();
        putFlag(world.flags[1], 2, world.goal + offset);
        const int most = static_cast<int>(flightTime(world.goal, offset) * 300.f);
        int steps = 0;
        while (!stepFight(world, idle).matchWon && steps < most)
            ++steps;
        EXPECT_LT(steps, most);
        EXPECT_TRUE(f.p2().isWinner);
        f.p2().isWinner = false;
    }
}

// The scene around it: the result screen follows the capture at a frame rate
// that is no multiple of the step.
TEST(Flags, ACaptureShowsTheResultScreen)
{
    JungleMatch f;
    Game& game = f.game;
    const sf::Vector2f offset(-90.f, 180.f);
    putFlag(game.world.flags[1], 2, game.world.goal + offset);
    const float flight = flightTime(game.world.goal, offset);
    const float took = f.runUntil([&] { return game.state == SceneState::Victory; }, flight + 2.f, 1.f / 144.f);
    EXPECT_EQ(game.state, SceneState::Victory);
    EXPECT_LE(took, flight);
    EXPECT_TRUE(f.p2().isWinner);
}
