#include "match/JungleFight.h"

#include "fighters/Death.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "world/FightStep.h"

#include <gtest/gtest.h>

namespace {

// The time is out; the flags lie `d0` and `d1` sections from the middle.
const StepEvents& timeOut(FightWorld& world, int d0, int d1, int chase)
{
    world.events = StepEvents{};
    world.match.fightScene = true;  // back in the fight after the last result
    world.match.fightLive = true;
    world.match.matchTimer = 0.f;
    world.flags[0].section = 2 + d0;
    world.flags[1].section = 2 - d1;
    world.match.chaseSituation = chase;
    updateTimer(world);
    matchRules(world);
    return world.events;
}

// A fighter's death clip, as long as the test wants it and back as it was after.
struct LongerDeath {
    float& duration;
    const float was = duration;
    LongerDeath(Player& p, float seconds)
        : duration(const_cast<Character*>(p.character)->animations[static_cast<int>(AnimState::DEATH)].duration)
    {
        duration = seconds;
    }
    ~LongerDeath() { duration = was; }
};

}  // namespace

TEST(MatchFlow, CountdownGoesLiveAfterFourSecondsAndTheTimerCountsWholeStepsToZero)
{
    JungleFight f;
    FightWorld& world = f.world;
    const FightInput idle[2];
    int steps = 0;
    while (!world.match.fightLive && steps < 2000) {
        stepFight(world, idle);
        ++steps;
    }
    EXPECT_NEAR(steps, 4 * 300, 1);
    EXPECT_FLOAT_EQ(world.match.countdown, countdownTime);
    EXPECT_FLOAT_EQ(world.match.matchTimer, 300.f - 1.f / 300.f) << "the timer ran on the live step too";
    for (int i = 0; i < 299; ++i)
        stepFight(world, idle);
    EXPECT_FLOAT_EQ(world.match.matchTimer, 299.f);
    // The last half second is 150 steps; then the time is out, tied: sudden death.
    world.match.matchTimer = 0.5f;
    for (int i = 0; i < 149; ++i)
        stepFight(world, idle);
    EXPECT_GT(world.match.matchTimer, 0.f);
    EXPECT_FALSE(world.match.suddenDeath);
    stepFight(world, idle);
    EXPECT_EQ(world.match.matchTimer, 0.f);
    EXPECT_TRUE(world.match.suddenDeath);
    // A step longer than the time left ends it at 0, never below.
    world.match.suddenDeath = false;
    world.match.matchTimer = 0.3f;
    world.stepTime = 1.5f;
    updateTimer(world);
    EXPECT_EQ(world.match.matchTimer, 0.f);
}

TEST(MatchFlow, TimeOutGoesToTheNearerFlagUnlessACarriedOneMayStillScore)
{
    JungleFight f;
    FightWorld& world = f.world;
    EXPECT_FALSE(timeOut(world, 2, 1, P2CarryingFlag).matchWon);  // P2 carries: play goes on
    EXPECT_FALSE(timeOut(world, 2, 2, P1CarryingFlag).matchWon);  // P1 carries, not nearer: play goes on
    EXPECT_FALSE(world.match.suddenDeath);
    EXPECT_TRUE(timeOut(world, 1, 2, P1CarryingFlag).matchWon);  // P1 carries and is strictly nearer: it wins
    EXPECT_TRUE(f.p1().isWinner);
    f.p1().isWinner = false;
    const StepEvents& events = timeOut(world, 2, 1, NoAttacker);  // nobody carries: the nearer flag wins
    EXPECT_TRUE(events.matchWon);
    EXPECT_TRUE(f.p2().isWinner);
    EXPECT_FALSE(f.p1().isWinner);
    EXPECT_EQ(events.victories[1], 1);  // marked by the timer, counted once by the rules
    EXPECT_EQ(events.victories[0], 0);
}

TEST(MatchFlow, SuddenDeathOnATieEndsAtTheFirstDeathWhateverItsClip)
{
    JungleFight f;
    FightWorld& world = f.world;
    f.goLive();
    // P1 is down when the time runs out tied: the duel starts once, P1 standing.
    f.p1().hitPoints = 0;
    world.match.matchTimer = 0.5f;
    f.runUntil([&] { return world.match.suddenDeath; }, 2.f);
    ASSERT_TRUE(world.match.suddenDeath);
    EXPECT_EQ(f.p1().hitPoints, 1);
    f.frames(60);
    EXPECT_GT(world.match.suddenDeathTime, 0.9f);  // never restarted
    // A fall decides when its death clip has played out.
    f.p1().hitPoints = 0;
    const float deathClip = f.p1().character->animations[static_cast<int>(AnimState::DEATH)].duration;
    EXPECT_NEAR(f.runUntil([&] { return f.won; }, 5.f), deathClip, 0.05f);
    EXPECT_TRUE(f.p2().isWinner);
    {
        // A death clip longer than the respawn delay: back on its feet first, it still loses.
        f.setUp();
        const LongerDeath longer(f.p2(), 4.f);
        f.goLive();
        startSuddenDeath(world);
        f.p2().hitPoints = 0;
        EXPECT_NEAR(f.runUntil([&] { return f.won; }, 6.f), 3.f, 0.1f);
        EXPECT_TRUE(f.p1().isWinner);
    }
    // Both down in the same step: both win.
    f.setUp();
    f.goLive();
    startSuddenDeath(world);
    f.p1().hitPoints = 0;
    f.p2().hitPoints = 0;
    f.runUntil([&] { return f.won; }, 6.f);
    EXPECT_TRUE(f.p1().isWinner);
    EXPECT_TRUE(f.p2().isWinner);
    EXPECT_EQ(f.victories[0], 2);
    EXPECT_EQ(f.victories[1], 2);
}

TEST(MatchFlow, KillRaceCountsEachDeathAndChangesKindOnceStanding)
{
    JungleFight f(FightChoice{true});
    FightWorld& world = f.world;
    Player& p1 = f.p1();
    Player& p2 = f.p2();
    const auto die = [&](Player& p) {
        p.hitPoints = 0;
        p.dead = true;
        caaRules(world);
    };
    // Two quick deaths count twice; the second kill makes P1 Napollo.
    die(p2);
    respawn(p2, world);
    die(p2);
    EXPECT_EQ(world.match.p1Kills, 2);
    EXPECT_EQ(characterKind(p1), 0);
    p1.skill.ammo = 1;
    respawn(p2, world);
    die(p2);
    EXPECT_EQ(world.match.p1Kills, 3);
    EXPECT_EQ(p1.skill.ammo, 1);  // changed once, not again
    // P2's second kill comes while it is down itself: it changes once it stands.
    world.match.p2Kills = 1;
    die(p2);
    die(p1);
    EXPECT_EQ(world.match.p2Kills, 2);
    EXPECT_EQ(characterKind(p2), 1);
    EXPECT_EQ(p2.hitPoints, 0);
    respawn(p2, world);
    caaRules(world);
    EXPECT_EQ(characterKind(p2), 0);
    EXPECT_EQ(p2.hitPoints, 1);
}

TEST(MatchFlow, AMissingCustomLevelPlaysTheJungle)
{
    JungleFight f(FightChoice{false, "Assets/Map/Custom/gone/gone.txt"});
    FightWorld& world = f.world;
    EXPECT_FALSE(world.match.caaMode);
    EXPECT_FLOAT_EQ(world.sectionWidth, 3840.f);
    EXPECT_EQ(tiles(world).lastSection, 4);
    EXPECT_EQ(world.sectionIndex, 2);
    EXPECT_EQ(world.flags[0].section, 4);
    EXPECT_FLOAT_EQ(world.flags[0].position.x, tiles(world).flag0X);
    EXPECT_NEAR(f.p1().position.x, 9600.f - 750.f, 64.f);
    EXPECT_NEAR(f.p2().position.x, 9600.f + 750.f, 64.f);
    EXPECT_FLOAT_EQ(world.match.matchTimer, 300.f);
    EXPECT_FALSE(world.crate);
}
