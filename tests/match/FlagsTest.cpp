#include "match/JungleMatch.h"
#include "app/FixedSteps.h"

#include "match/MatchFlow.h"
#include "match/Sections.h"

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
void expectOnFloor(const Game& game, const Flag& flag)
{
    const int column = static_cast<int>(std::floor((flag.position.x - flag.section * 3840.f) / 64.f));
    const int row = static_cast<int>(flag.position.y / 64.f);
    EXPECT_EQ(tileCode(game.tileMap, flag.section, column, row), emptyCode);
    const int below = tileCode(game.tileMap, flag.section, column, row + 1);
    EXPECT_NE(below, emptyCode);
    EXPECT_NE(below, spikeCode);
}

}  // namespace

TEST(Flags, LyingFlagsComeToRestOnFloorOnlyInTheLiveSection)
{
    JungleMatch f;
    Game& game = f.game;
    Flag& flag = game.world.flags[0];
    // Dropped over the spikes of the middle section: put on the next floor to its right.
    putFlag(flag, 2, {cellCentreX(2, 52), 100.f});
    updateFlags(game.world);
    expectOnFloor(game, flag);
    EXPECT_GT(flag.position.x, cellCentreX(2, 53));
    // Below the level: back on the nearest floor, not at its base.
    putFlag(flag, 2, {cellCentreX(2, 20), 1300.f});
    updateFlags(game.world);
    expectOnFloor(game, flag);
    EXPECT_NEAR(flag.position.x, cellCentreX(2, 20), 64.f);
    // Dropped in mid-air in section 3 while section 2 is live: it waits there,
    // and lands when section 3 is live again.
    putFlag(flag, 3, {cellCentreX(3, 30), 300.f});
    updateFlags(game.world);
    EXPECT_FLOAT_EQ(flag.position.y, 300.f);
    makeLive(game.world, 3);
    updateFlags(game.world);
    expectOnFloor(game, flag);
    // Only its own player, with the right of way, takes it.
    updateFlags(game.world);  // the picture shows where the flag came to rest
    for (Player& p : game.world.players) {
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
    JungleMatch f;
    Game& game = f.game;
    Player& p1 = f.p1();
    Player& p2 = f.p2();
    const float viewRight = game.world.camera.view.getCenter().x + 960.f;
    // Before the first fall nobody crosses: the edge of the view throws back.
    p1.position.x = 3 * 3840.f - 20.f;
    sectionEdges(p1);
    EXPECT_EQ(game.world.sectionIndex, 2);
    EXPECT_FLOAT_EQ(p1.position.x, viewRight - p1.size.x / 2.f);
    EXPECT_EQ(p1.velocity, sf::Vector2f(-1500.f, -1000.f));
    EXPECT_TRUE(p1.knockbackLock);
    // P1 carrying its flag in the middle cannot leave it leftwards.
    p1.advancing = true;
    game.world.flags[0].carried = true;
    p1.position.x = 2 * 3840.f + 10.f;
    sectionEdges(p1);
    EXPECT_EQ(game.world.sectionIndex, 2);
    EXPECT_FLOAT_EQ(p1.position.x, 2 * 3840.f + p1.size.x / 2.f);
    // P2 with the right of way crosses left toward its flag and brings P1
    // along, standing again and briefly protected.
    p1.advancing = false;
    game.world.flags[0].carried = false;
    p1.hitPoints = 0;
    p1.dead = true;
    p2.advancing = true;
    p2.position.x = 2 * 3840.f + 10.f;
    game.world.match.crateTimer = 2.f;
    sectionEdges(p2);
    EXPECT_EQ(game.world.sectionIndex, 1);
    EXPECT_TRUE(game.world.camera.inTransition);
    EXPECT_FLOAT_EQ(game.world.match.crateTimer, 0.f);
    EXPECT_EQ(p1.hitPoints, 1);
    EXPECT_FALSE(p1.dead);
    EXPECT_FLOAT_EQ(p1.deathTimer, 3.f);
    EXPECT_GE(p1.position.x, 3840.f);
    EXPECT_LT(p1.position.x, 2 * 3840.f);
    // The kill race only holds fighters at the edges of the view.
    setUpCaaFight(game.world);
    p1.position.x = -50.f;
    p1.velocity = sf::Vector2f(0.f, 0.f);
    p1.knockbackLock = false;
    sectionEdges(p1);
    EXPECT_FLOAT_EQ(p1.position.x, p1.size.x / 2.f);
    EXPECT_EQ(p1.velocity, sf::Vector2f(0.f, 0.f));
    EXPECT_FALSE(p1.knockbackLock);
}

TEST(Flags, ACaptureEndsWithinItsFlightTimeAtAnyFrameRate)
{
    JungleMatch f;
    Game& game = f.game;
    const sf::Vector2f goal = game.world.goal;
    const sf::Vector2f target = goal - sf::Vector2f(0.f, 256.f / 2.25f);
    const sf::Vector2f offsets[] = {{-90.f, 180.f}, {90.f, 100.f}, {0.f, 0.f}, {-40.f, -150.f}};
    for (const float dt : {1.f / 60.f, 1.f / 144.f, 1.f / 300.f}) {
        for (const sf::Vector2f offset : offsets) {
            game.state = SceneState::Fight;
            tellWorld(game);
            game.world.match.flagTaken = false;
            game.world.camera.reset();
            putFlag(game.world.flags[1], 2, goal + offset);
            const sf::Vector2f gap = target - (goal + offset);
            const float flight = std::sqrt(gap.x * gap.x + gap.y * gap.y) / 75.f;
            const float took = f.runUntil([&] { return game.state == SceneState::Victory; }, flight + 3.f, dt);
            EXPECT_EQ(game.state, SceneState::Victory) << "dt " << dt << " from " << offset.x << "," << offset.y;
            EXPECT_LE(took, flight + 1.f) << "dt " << dt << " from " << offset.x << "," << offset.y;
            EXPECT_TRUE(f.p2().isWinner);
            f.p2().isWinner = false;
        }
    }
}
