#include "match/JungleMatch.h"
#include "app/FixedSteps.h"

#include "app/Victory.h"
#include "fighters/Death.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "render/hud/Hud.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string centreText(const Game& game)
{
    return game.hud.centreText.getString().toAnsiString();
}

std::string timerText(const Game& game)
{
    return game.hud.timerText.getString().toAnsiString();
}

// The time is out; the flags lie `d0` and `d1` sections from the middle.
void timeOut(Game& game, int d0, int d1, int chase)
{
    game.world.match.fightLive = true;
    game.world.match.matchTimer = 0.f;
    game.world.flags[0].section = 2 + d0;
    game.world.flags[1].section = 2 - d1;
    game.world.match.chaseSituation = chase;
    updateTimer(game.world);
    matchRules(game.world);
    applyStepEvents(game);
}

}  // namespace

TEST(MatchFlow, CountdownThenTimerTextsAndTimeNeverBelowZero)
{
    JungleMatch f;
    Game& game = f.game;
    f.frames(1);
    EXPECT_EQ(centreText(game), "3");
    f.frames(60);
    EXPECT_EQ(centreText(game), "2");
    f.frames(60);
    EXPECT_EQ(centreText(game), "1");
    f.frames(60);
    EXPECT_EQ(centreText(game), "FIGHT !");
    f.frames(52);  // 3.9 s
    EXPECT_FALSE(game.world.match.fightLive);
    EXPECT_EQ(timerText(game), "5 : 00");
    f.goLive();
    EXPECT_LE(game.world.time.now - 10.0, 4.0 + 1.5 / 60.0);
    EXPECT_FLOAT_EQ(game.world.match.countdown, 4.f);
    f.frames(58);  // the timer ran on the live frame too: 59 frames, just short of a second
    EXPECT_EQ(timerText(game), "4 : 59");
    game.world.match.matchTimer = 5.5f;
    f.frames(1);
    EXPECT_EQ(timerText(game), "0 : 05");
    game.world.match.matchTimer = 0.3f;
    game.frameTime = 1.5f;
    tellWorld(game);  // a step longer than the time left
    updateTimer(game.world);
    hudUpdate(game);
    EXPECT_EQ(game.world.match.matchTimer, 0.f);
    EXPECT_EQ(timerText(game), "0 : 00");
}

TEST(MatchFlow, TimeOutGoesToTheNearerFlagUnlessACarriedOneMayStillScore)
{
    JungleMatch f;
    Game& game = f.game;
    timeOut(game, 2, 1, P2CarryingFlag);  // P2 carries: play goes on
    timeOut(game, 2, 2, P1CarryingFlag);  // P1 carries, not nearer: play goes on
    EXPECT_EQ(game.state, SceneState::Fight);
    EXPECT_FALSE(game.world.match.suddenDeath);
    timeOut(game, 1, 2, P1CarryingFlag);  // P1 carries and is strictly nearer: it wins
    EXPECT_EQ(game.state, SceneState::Victory);
    EXPECT_TRUE(f.p1().isWinner);
    game.state = SceneState::Fight;
    tellWorld(game);
    f.p1().isWinner = false;
    timeOut(game, 2, 1, NoAttacker);  // nobody carries: the nearer flag wins
    EXPECT_TRUE(f.p2().isWinner);
    EXPECT_FALSE(f.p1().isWinner);
    EXPECT_EQ(game.mainHub.winCount[1], 1);  // marked by the timer, counted once by the rules
}

TEST(MatchFlow, SuddenDeathOnATieEndsAtTheFirstDeathWhateverItsClip)
{
    JungleMatch f;
    Game& game = f.game;
    f.goLive();
    // P1 is down when the time runs out tied: the duel starts once, P1 standing.
    f.p1().hitPoints = 0;
    game.world.match.matchTimer = 0.5f;
    f.runUntil([&] { return game.world.match.suddenDeath; }, 2.f);
    ASSERT_TRUE(game.world.match.suddenDeath);
    EXPECT_EQ(centreText(game), "SUDDEN DEATH");
    EXPECT_EQ(f.p1().hitPoints, 1);
    f.frames(60);
    EXPECT_GT(game.world.match.suddenDeathTime, 0.9f);  // never restarted
    // A fall decides when its death clip has played out.
    f.knockDown(f.p1());
    const float deathClip = f.p1().character->animations[static_cast<int>(AnimState::DEATH)].duration;
    EXPECT_NEAR(f.runUntil([&] { return game.state != SceneState::Fight; }, 5.f), deathClip, 0.05f);
    EXPECT_TRUE(f.p2().isWinner);
    // A death clip longer than the respawn delay: back on its feet first, it still loses.
    float& p2Death = game.world.players[1].character->animations[static_cast<int>(AnimState::DEATH)].duration;
    const float usualDeath = p2Death;
    p2Death = 4.f;
    startRematch(game);
    f.goLive();
    startSuddenDeath(game.world);
    f.knockDown(f.p2());
    EXPECT_NEAR(f.runUntil([&] { return game.state != SceneState::Fight; }, 6.f), 3.f, 0.1f);
    EXPECT_TRUE(f.p1().isWinner);
    // Both down in the same frame: both win.
    p2Death = usualDeath;
    startRematch(game);
    f.goLive();
    startSuddenDeath(game.world);
    f.knockDown(f.p1());
    f.knockDown(f.p2());
    f.runUntil([&] { return game.state != SceneState::Fight; }, 6.f);
    EXPECT_TRUE(f.p1().isWinner);
    EXPECT_TRUE(f.p2().isWinner);
    EXPECT_EQ(game.mainHub.winCount[0], 2);
    EXPECT_EQ(game.mainHub.winCount[1], 2);
}

TEST(MatchFlow, KillRaceCountsEachDeathAndChangesKindOnceStanding)
{
    JungleMatch f;
    Game& game = f.game;
    setUpCaaFight(game.world);
    Player& p1 = f.p1();
    Player& p2 = f.p2();
    const auto die = [&](Player& p) {
        p.hitPoints = 0;
        p.dead = true;
        caaRules(game.world);
    };
    // Two quick deaths count twice; the second kill makes P1 Napollo.
    die(p2);
    respawn(p2, game.world);
    die(p2);
    EXPECT_EQ(game.world.match.p1Kills, 2);
    EXPECT_EQ(characterKind(p1), 0);
    p1.skill.ammo = 1;
    respawn(p2, game.world);
    die(p2);
    EXPECT_EQ(game.world.match.p1Kills, 3);
    EXPECT_EQ(p1.skill.ammo, 1);  // changed once, not again
    // P2's second kill comes while it is down itself: it changes once it stands.
    game.world.match.p2Kills = 1;
    die(p2);
    die(p1);
    EXPECT_EQ(game.world.match.p2Kills, 2);
    EXPECT_EQ(characterKind(p2), 1);
    EXPECT_EQ(p2.hitPoints, 0);
    respawn(p2, game.world);
    caaRules(game.world);
    EXPECT_EQ(characterKind(p2), 0);
    EXPECT_EQ(p2.hitPoints, 1);
}

TEST(MatchFlow, ResetRematchAndAMissingCustomLevel)
{
    JungleMatch f;
    Game& game = f.game;
    // A kill race rematch stays a kill race, with fresh counters and fighters.
    setUpCaaFight(game.world);
    game.world.match.p1Kills = 6;
    game.state = SceneState::Victory;
    tellWorld(game);
    startRematch(game);
    EXPECT_TRUE(game.world.match.caaMode);
    EXPECT_EQ(game.world.match.p1Kills, 0);
    EXPECT_EQ(characterKind(f.p1()), 1);
    EXPECT_FALSE(game.world.match.fightLive);
    // Back in the hub: classic settings, P1 leads, the timer is full.
    returnToHub(game);
    EXPECT_FALSE(game.world.match.caaMode);
    EXPECT_FLOAT_EQ(game.world.sectionWidth, 3840.f);
    EXPECT_EQ(game.tileMap.lastSection, 4);
    EXPECT_TRUE(f.p1().advancing);
    EXPECT_FLOAT_EQ(game.world.match.matchTimer, 300.f);
    EXPECT_FALSE(game.world.crate);
    // A custom level that cannot be read: the Jungle is played instead.
    setUpClassicFight(game.world, "Assets/Map/Custom/gone/gone.txt");
    EXPECT_EQ(game.tileMap.lastSection, 4);
    EXPECT_EQ(game.tileMap.sectionIndex, 2);
    EXPECT_EQ(game.world.flags[0].section, 4);
    EXPECT_FLOAT_EQ(game.world.flags[0].position.x, game.tileMap.flag0X);
    EXPECT_NEAR(f.p1().position.x, 9600.f - 750.f, 64.f);
    EXPECT_NEAR(f.p2().position.x, 9600.f + 750.f, 64.f);
}
