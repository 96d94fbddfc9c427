// Whole matches played by script on the real levels, from the countdown to
// the result screen.
#include "match/JungleMatch.h"
#include "app/FixedSteps.h"

#include "audio/Audio.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"

#include <gtest/gtest.h>

namespace {

// Holds a key until the live section changes (or a few seconds pass).
bool runAcross(JungleMatch& f, sf::Keyboard::Key key, int toSection)
{
    f.headless.setKey(key, true);
    f.runUntil([&] { return f.game.tileMap.sectionIndex == toSection; }, 3.f);
    f.headless.setKey(key, false);
    return f.game.tileMap.sectionIndex == toSection;
}

}  // namespace

TEST(MatchRun, JungleMatchFromCountdownThroughCrossingsAndPickUpToCapture)
{
    JungleMatch f;
    Game& game = f.game;
    // The countdown holds both fighters; nobody has the right of way yet.
    f.frames(200);
    EXPECT_FALSE(game.world.match.fightLive);
    f.goLive();
    EXPECT_EQ(game.world.match.chaseSituation, NoAttacker);
    // P2 falls: P1 takes the right of way and runs right, section by section.
    f.knockDown(f.p2());
    f.frames(2);
    ASSERT_TRUE(f.p1().advancing);
    f.standOn(f.p1(), 2, 57, 14);
    ASSERT_TRUE(runAcross(f, sf::Keyboard::D, 3));
    EXPECT_TRUE(game.world.camera.inTransition);
    EXPECT_EQ(f.p2().hitPoints, 1);  // the defender came along, standing
    f.frames(120);
    f.standOn(f.p1(), 3, 57, 14);
    ASSERT_TRUE(runAcross(f, sf::Keyboard::D, 4));
    f.frames(60);
    // The flag was put on the floor of its section when it became live.
    const Flag& flag = game.world.flags[0];
    EXPECT_TRUE(flag.placed);
    EXPECT_FLOAT_EQ(flag.position.y, 11 * 64.f);
    // P1 walks into its flag and takes it.
    f.standOn(f.p1(), 4, 53, 12);
    f.headless.setKey(sf::Keyboard::D, true);
    f.runUntil([&] { return flag.carried; }, 3.f);
    f.headless.setKey(sf::Keyboard::D, false);
    ASSERT_TRUE(flag.carried);
    f.frames(1);
    EXPECT_EQ(game.world.match.chaseSituation, P1CarryingFlag);
    // Carrying it, P1 runs back left to the middle and no further.
    f.standOn(f.p1(), 4, 2, 14);
    ASSERT_TRUE(runAcross(f, sf::Keyboard::A, 3));
    f.frames(60);
    f.standOn(f.p1(), 3, 2, 14);
    ASSERT_TRUE(runAcross(f, sf::Keyboard::A, 2));
    f.frames(60);
    f.standOn(f.p1(), 2, 2, 14);
    EXPECT_FALSE(runAcross(f, sf::Keyboard::A, 1));
    EXPECT_EQ(game.tileMap.sectionIndex, 2);
    EXPECT_TRUE(flag.carried);
    // Up on the goal's ledge and into the goal: the flag flies in and wins.
    f.standOn(f.p1(), 2, 27, 6);
    f.headless.setKey(sf::Keyboard::D, true);
    f.runUntil([&] { return game.world.match.flagTaken; }, 3.f);
    f.headless.setKey(sf::Keyboard::D, false);
    ASSERT_TRUE(game.world.match.flagTaken);
    f.runUntil([&] { return game.state == SceneState::Victory; }, 10.f);
    EXPECT_EQ(game.state, SceneState::Victory);
    EXPECT_TRUE(f.p1().isWinner);
    EXPECT_FALSE(f.p2().isWinner);
    EXPECT_EQ(game.mainHub.winCount[0], 1);
    EXPECT_EQ(game.mainHub.winText[0].getString(), "1");
    EXPECT_FALSE(isMusicPlaying("JUNGLE"));
    EXPECT_FALSE(game.world.camera.shaking);
}

TEST(MatchRun, KillRaceToSixKillsWithTheKindChanges)
{
    HeadlessGame headless;
    Game& game = *headless.game;
    game.state = SceneState::ModeSelect;
    tellWorld(game);
    setUpCaaFight(game.world);
    game.state = SceneState::Fight;
    tellWorld(game);
    game.world.time.now = 10.0;
    EXPECT_TRUE(game.world.match.caaMode);
    EXPECT_FLOAT_EQ(game.world.sectionWidth, 1920.f);
    headless.step(250);
    ASSERT_TRUE(game.world.match.fightLive);
    Player& p1 = game.world.players[0];
    Player& p2 = game.world.players[1];
    int napolloFrom = -1;
    int gigachillFrom = -1;
    for (int kill = 1; kill <= 6 && game.state == SceneState::Fight; ++kill) {
        p2.hitPoints = 0;
        for (int i = 0; i < 300 && game.state == SceneState::Fight && p2.hitPoints < 1; ++i)
            headless.step(1, 1.f / 60.f);
        if (napolloFrom < 0 && characterKind(p1) == 0)
            napolloFrom = game.world.match.p1Kills;
        if (gigachillFrom < 0 && characterKind(p1) == 2)
            gigachillFrom = game.world.match.p1Kills;
        headless.step(10);
    }
    EXPECT_EQ(napolloFrom, 2);
    EXPECT_EQ(gigachillFrom, 4);
    EXPECT_EQ(characterKind(p2), 1);  // no kills, still Atoola
    EXPECT_EQ(game.world.match.p1Kills, 6);
    EXPECT_EQ(game.state, SceneState::Victory);
    EXPECT_TRUE(p1.isWinner);
    EXPECT_EQ(game.mainHub.winCount[0], 0);  // the kill race keeps no score
}

TEST(MatchRun, CarrierLostInAPitLeavesItsFlagOnThatSectionsFloor)
{
    JungleMatch f;
    Game& game = f.game;
    f.goLive();
    // P1 carries its flag in section 3 and walks off into the bottomless pit.
    f.knockDown(f.p2());
    f.frames(2);
    f.standOn(f.p1(), 2, 57, 14);
    ASSERT_TRUE(runAcross(f, sf::Keyboard::D, 3));
    f.frames(200);
    game.world.flags[0].section = 3;
    game.world.flags[0].placed = true;
    game.world.flags[0].carried = true;
    f.standOn(f.p1(), 3, 46, 14);
    f.headless.setKey(sf::Keyboard::D, true);
    f.runUntil([&] { return f.p1().hitPoints < 1; }, 4.f);
    f.headless.setKey(sf::Keyboard::D, false);
    ASSERT_LT(f.p1().hitPoints, 1);
    f.frames(30);  // the frame loop keeps returning
    const Flag& flag = game.world.flags[0];
    EXPECT_FALSE(flag.carried);
    EXPECT_EQ(flag.section, 3);
    const int column = static_cast<int>((flag.position.x - 3 * 3840.f) / 64.f);
    const int row = static_cast<int>(flag.position.y / 64.f);
    EXPECT_EQ(tileCode(game.tileMap, 3, column, row), emptyCode);
    EXPECT_NE(tileCode(game.tileMap, 3, column, row + 1), emptyCode);
    EXPECT_TRUE(f.p2().advancing);
}
