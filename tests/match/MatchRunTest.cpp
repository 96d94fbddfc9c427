// Whole matches played by buttons on the real levels, on the world alone,
// from the countdown to the match won.
#include "match/JungleFight.h"

#include "match/MatchFlow.h"
#include "match/Sections.h"

#include <gtest/gtest.h>

TEST(MatchRun, JungleMatchFromCountdownThroughCrossingsAndPickUpToCapture)
{
    JungleFight f;
    FightWorld& world = f.world;
    // The countdown holds both fighters; nobody has the right of way yet.
    f.frames(200);
    EXPECT_FALSE(world.match.fightLive);
    f.goLive();
    EXPECT_EQ(world.match.chaseSituation, NoAttacker);
    // P2 falls: P1 takes the right of way and runs right, section by section.
    f.p2().hitPoints = 0;
    f.frames(2);
    ASSERT_TRUE(f.p1().advancing);
    standOnCell(f.p1(), 2, 57, 14);
    ASSERT_TRUE(f.runAcross(0, ButtonRight, 3));
    EXPECT_TRUE(world.camera.inTransition);
    EXPECT_EQ(f.p2().hitPoints, 1);  // the defender came along, standing
    f.frames(120);
    standOnCell(f.p1(), 3, 57, 14);
    ASSERT_TRUE(f.runAcross(0, ButtonRight, 4));
    f.frames(60);
    // The flag was put on the floor of its section when it became live.
    const Flag& flag = world.flags[0];
    EXPECT_TRUE(flag.placed);
    EXPECT_FLOAT_EQ(flag.position.y, 11 * 64.f);
    // P1 walks into its flag and takes it.
    standOnCell(f.p1(), 4, 53, 12);
    f.inputs[0].buttons = ButtonRight;
    f.runUntil([&] { return flag.carried; }, 3.f);
    f.inputs[0].buttons = 0;
    ASSERT_TRUE(flag.carried);
    f.frames(1);
    EXPECT_EQ(world.match.chaseSituation, P1CarryingFlag);
    // Carrying it, P1 runs back left to the middle and no further.
    standOnCell(f.p1(), 4, 2, 14);
    ASSERT_TRUE(f.runAcross(0, ButtonLeft, 3));
    f.frames(60);
    standOnCell(f.p1(), 3, 2, 14);
    ASSERT_TRUE(f.runAcross(0, ButtonLeft, 2));
    f.frames(60);
    standOnCell(f.p1(), 2, 2, 14);
    EXPECT_FALSE(f.runAcross(0, ButtonLeft, 1));
    EXPECT_EQ(world.sectionIndex, 2);
    EXPECT_TRUE(flag.carried);
    // Up on the goal's ledge and into the goal: the flag flies in and wins.
    standOnCell(f.p1(), 2, 27, 6);
    f.inputs[0].buttons = ButtonRight;
    f.runUntil([&] { return world.match.flagTaken; }, 3.f);
    f.inputs[0].buttons = 0;
    ASSERT_TRUE(world.match.flagTaken);
    f.runUntil([&] { return f.won; }, 10.f);
    EXPECT_TRUE(f.won);
    EXPECT_TRUE(f.p1().isWinner);
    EXPECT_FALSE(f.p2().isWinner);
    EXPECT_EQ(f.victories[0], 1);
    EXPECT_EQ(f.victories[1], 0);
    EXPECT_TRUE(f.musicStopped);
    EXPECT_FALSE(world.camera.shaking);
}

TEST(MatchRun, KillRaceToSixKillsWithTheKindChanges)
{
    JungleFight f(FightChoice{true});
    FightWorld& world = f.world;
    EXPECT_TRUE(world.match.caaMode);
    EXPECT_FLOAT_EQ(world.sectionWidth, 1920.f);
    f.frames(250);
    ASSERT_TRUE(world.match.fightLive);
    Player& p1 = f.p1();
    Player& p2 = f.p2();
    int napolloFrom = -1;
    int gigachillFrom = -1;
    for (int kill = 1; kill <= 6 && !f.won; ++kill) {
        p2.hitPoints = 0;
        for (int i = 0; i < 300 && !f.won && p2.hitPoints < 1; ++i)
            f.frames(1);
        if (napolloFrom < 0 && characterKind(p1) == 0)
            napolloFrom = world.match.p1Kills;
        if (gigachillFrom < 0 && characterKind(p1) == 2)
            gigachillFrom = world.match.p1Kills;
        f.frames(10);
    }
    EXPECT_EQ(napolloFrom, 2);
    EXPECT_EQ(gigachillFrom, 4);
    EXPECT_EQ(characterKind(p2), 1);  // no kills, still Atoola
    EXPECT_EQ(world.match.p1Kills, 6);
    EXPECT_TRUE(f.won);
    EXPECT_TRUE(p1.isWinner);
    EXPECT_EQ(f.victories[0], 0);  // the kill race keeps no score
}

TEST(MatchRun, CarrierLostInAPitLeavesItsFlagOnThatSectionsFloor)
{
    JungleFight f;
    FightWorld& world = f.world;
    f.goLive();
    // P1 carries its flag in section 3 and walks off into the bottomless pit.
    f.p2().hitPoints = 0;
    f.frames(2);
    standOnCell(f.p1(), 2, 57, 14);
    ASSERT_TRUE(f.runAcross(0, ButtonRight, 3));
    f.frames(200);
    world.flags[0].section = 3;
    world.flags[0].placed = true;
    world.flags[0].carried = true;
    standOnCell(f.p1(), 3, 46, 14);
    f.inputs[0].buttons = ButtonRight;
    f.runUntil([&] { return f.p1().hitPoints < 1; }, 4.f);
    f.inputs[0].buttons = 0;
    ASSERT_LT(f.p1().hitPoints, 1);
    f.frames(30);
    const Flag& flag = world.flags[0];
    EXPECT_FALSE(flag.carried);
    EXPECT_EQ(flag.section, 3);
    const int column = static_cast<int>((flag.position.x - 3 * 3840.f) / 64.f);
    const int row = static_cast<int>(flag.position.y / 64.f);
    EXPECT_EQ(tileCode(tiles(world), 3, column, row), emptyCode);
    EXPECT_NE(tileCode(tiles(world), 3, column, row + 1), emptyCode);
    EXPECT_TRUE(f.p2().advancing);
}
