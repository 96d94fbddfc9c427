#include "match/Items.h"
#include "match/Sections.h"
#include "match/FightStage.h"

#include <gtest/gtest.h>

namespace {

constexpr int gigachill = 2;

float viewLeft(const FightWorld& world)
{
    return world.camera.view.getCenter().x - world.camera.view.getSize().x / 2.f;
}

// Both fighters mid-swing over the spot where a fresh crate lies.
void swingAtCrate(JungleStage& fight)
{
    spawnCrate(fight.fight);
    fight.stand(fight.p2(), fight.p1().position.x, -1);
    fight.fight.crate->position = fight.p1().position;
    for (Player& p : fight.fight.players) {
        p.hitboxActive = true;
        p.hitLanded = false;
    }
}

}  // namespace

TEST(Items, CratesComeWithTheRightOfWayAndEndOffViewOrAfterTwelveSeconds)
{
    JungleStage fight;
    FightWorld& world = fight.fight;
    world.match.chaseSituation = NoAttacker;
    fight.itemFrames(300);
    EXPECT_FALSE(world.crate);
    EXPECT_EQ(world.match.crateTimer, 0.f);

    // With an attacker a crate drops 3 s later beside the other fighter, in view, onto the floor.
    world.match.chaseSituation = P1Attacking;
    fight.p2().advancing = true;
    fight.itemFrames(179);
    EXPECT_FALSE(world.crate);
    fight.itemFrames(2);
    ASSERT_TRUE(world.crate);
    fight.itemFrames(60);
    const Crate& crate = *world.crate;
    EXPECT_TRUE(crate.onGround);
    EXPECT_GT(crate.position.x, viewLeft(world));
    EXPECT_LT(crate.position.x, viewLeft(world) + 1920.f);
    EXPECT_LE(std::abs(crate.position.x - fight.p1().position.x), 400.f);

    // The view leaves it behind: it ends, and the next comes 3 s later.
    fight.lookAt(crate.position.x + 3000.f);
    fight.itemFrames(2);
    EXPECT_FALSE(world.crate);
    fight.lookAt(fight.p1().position.x);
    fight.itemFrames(181);
    ASSERT_TRUE(world.crate);
    fight.itemFrames(12 * 60 - 10);
    EXPECT_TRUE(world.crate && world.crate->alive);
    fight.itemFrames(12);
    EXPECT_FALSE(world.crate && world.crate->alive);
}

TEST(Items, OneSwingOpensTheCrateAndOnlyAnIdleHandTakesIt)
{
    JungleStage fight;
    FightWorld& world = fight.fight;
    // Both swing in the same frame: P1 gets it, P2's hit passes and P2 keeps its STOP.
    swingAtCrate(fight);
    fight.give(fight.p2(), STOP);
    fight.itemFrames(1);
    EXPECT_FALSE(world.crate);
    ASSERT_TRUE(fight.p1().item);
    ASSERT_TRUE(fight.p2().item);
    EXPECT_EQ(fight.p2().item->kind, STOP);
    EXPECT_EQ(fight.p2().item->position, sf::Vector2f());  // the given one, not a crate from the floor
    EXPECT_EQ(world.match.crateTimer, 0.f);

    // P1 runs a SPEED: its swing cannot open the next one; P2's idle STOP is replaced.
    fight.give(fight.p1(), SPEED, true);
    swingAtCrate(fight);
    fight.itemFrames(1);
    ASSERT_TRUE(fight.p1().item);
    EXPECT_EQ(fight.p1().item->kind, SPEED);
    EXPECT_GT(fight.p1().item->speedTime, 0.f);
    ASSERT_TRUE(fight.p2().item);
    EXPECT_NE(fight.p2().item->position, sf::Vector2f());  // the crate's, opened on the floor
    EXPECT_FALSE(world.crate);
}

TEST(Items, SpeedAndSlowLastThreeSecondsAndTheTargetsOwnItemDecides)
{
    JungleStage fight;
    fight.setKind(0, gigachill);
    EXPECT_FLOAT_EQ(fight.p1().speedFactor, 0.8f);
    fight.give(fight.p1(), SPEED, true);
    fight.itemFrames(60);
    EXPECT_FLOAT_EQ(fight.p1().speedFactor, 1.4f);
    fight.itemFrames(130);
    EXPECT_FLOAT_EQ(fight.p1().speedFactor, 0.8f);
    EXPECT_FALSE(fight.p1().item);
    EXPECT_FALSE(fight.p1().useItemRequest);

    // P1 slows P2 while P2 speeds itself up: P2's item runs later and wins.
    fight.give(fight.p1(), SLOW, true);
    fight.give(fight.p2(), SPEED, true);
    fight.itemFrames(90);
    EXPECT_FLOAT_EQ(fight.p2().speedFactor, 1.4f);
    fight.itemFrames(100);
    EXPECT_FLOAT_EQ(fight.p2().speedFactor, 1.f);
    EXPECT_FALSE(fight.p1().item);
    EXPECT_FALSE(fight.p2().item);
    // Alone, the SLOW holds P2 down.
    fight.give(fight.p1(), SLOW, true);
    fight.itemFrames(30);
    EXPECT_FLOAT_EQ(fight.p2().speedFactor, 0.65f);
}

TEST(Items, RefusedSwapAndStopStayHeldOthersAreSpentAtOnce)
{
    JungleStage fight;
    FightWorld& world = fight.fight;
    const sf::Vector2f p1Was = fight.p1().position, p2Was = fight.p2().position;
    // SWAP on a downed opponent, STOP while nobody has the right of way or with a dead opponent.
    fight.give(fight.p1(), SWAP, true);
    fight.p2().hitPoints = 0;
    world.match.chaseSituation = NoAttacker;
    fight.give(fight.p2(), STOP, true);
    fight.itemFrames(1);
    world.match.chaseSituation = P1Attacking;
    fight.p1().dead = true;
    fight.p2().useItemRequest = true;
    fight.itemFrames(1);
    for (const Player& p : world.players) {
        EXPECT_TRUE(p.item);
        EXPECT_FALSE(p.useItemRequest);
    }
    EXPECT_EQ(fight.p1().position, p1Was);

    // Both standing with an attacker: both go through.
    fight.p1().dead = false;
    fight.p2().hitPoints = 1;
    fight.p1().advancing = true;
    fight.p1().useItemRequest = fight.p2().useItemRequest = true;
    fight.itemFrames(1);
    EXPECT_EQ(fight.p1().position, p2Was);
    EXPECT_EQ(fight.p2().position, p1Was);
    EXPECT_FALSE(fight.p1().advancing);
    EXPECT_TRUE(world.events.stopFlash);
    EXPECT_FALSE(fight.p1().item || fight.p2().item);

    // STUN: one stunning shot the way the user faces, at 1500 px/s.
    fight.give(fight.p2(), STUN, true);
    fight.itemFrames(1);
    ASSERT_EQ(world.shots.size(), 1u);
    EXPECT_EQ(world.shots[0].effect, 1);
    EXPECT_EQ(world.shots[0].direction, fight.p2().facing);
    EXPECT_FLOAT_EQ(world.shots[0].speed, 1500.f);
    EXPECT_FALSE(fight.p2().item);
}

TEST(Items, AFightWinsACrateWithTheAttackButtonAndSpendsItWithTheItemButton)
{
    JungleStage fight;
    FightWorld& world = fight.fight;
    fight.p1().advancing = true;
    world.match.chaseSituation = P1Attacking;
    fight.frames(185);
    ASSERT_TRUE(world.crate);
    fight.frames(60);
    ASSERT_TRUE(world.crate);
    fight.stand(fight.p2(), world.crate->position.x, -1);
    fight.inputs[1].buttons = ButtonAttack;
    for (int frame = 0; frame < 60 && !fight.p2().item; ++frame)
        fight.frames();
    fight.inputs[1].buttons = 0;
    ASSERT_TRUE(fight.p2().item);
    EXPECT_FALSE(world.crate);
    fight.frames(40);  // the swing ends: items are used from a standing start
    fight.inputs[1].buttons = ButtonItem;
    fight.frames(5);
    fight.inputs[1].buttons = 0;
    fight.frames(190);
    EXPECT_FALSE(fight.p2().item);
}
