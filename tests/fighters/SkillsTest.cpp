#include "fighters/DuelWorld.h"

#include "fighters/Skills.h"

#include <gtest/gtest.h>

namespace {

constexpr int napollo = 0, atoola = 1, gigachill = 2, swapper = 3;

void press(Player& p)
{
    p.skill.pressed = true;
}

}  // namespace

TEST(NapolloShoot, FourShotsThenNothingUntilAReload)
{
    DuelWorld w(napollo, atoola);
    Player& p = w.p1();
    for (int i = 0; i < 5; ++i) {
        press(p);
        napolloShoot(p.skill, p);
    }
    ASSERT_EQ(w.world.shots.size(), 4u);
    EXPECT_EQ(p.skill.ammo, 0);
    EXPECT_FALSE(p.skill.active);
    EXPECT_FALSE(w.world.shots.front().fromP2);
}

TEST(AtoolaDash, NeedsAFullGaugeRunsAFifthOfASecondAndEmptiesIt)
{
    DuelWorld w(atoola, atoola);
    Player& p = w.p1();
    w.stand(w.p2(), 1100.f, -1);  // right in the way
    p.dashCharge = 999.f;
    press(p);
    atoolaDash(p.skill, p);
    EXPECT_FALSE(p.dashing);
    EXPECT_FALSE(p.skill.pressed);

    p.dashCharge = 1000.f;
    const float startX = p.position.x;
    press(p);
    w.frames(6);  // 0.1 s
    EXPECT_TRUE(p.dashing);
    EXPECT_EQ(p.currentState, AnimState::DASH);
    w.frames(7);  // past 0.2 s
    EXPECT_FALSE(p.dashing);
    EXPECT_LT(p.dashCharge, 100.f);  // spent; sliding to a stop refills a little
    // It went through the other fighter rather than stopping at it.
    EXPECT_GT(p.position.x, w.p2().position.x + 30.f);
    EXPECT_GT(p.position.x - startX, 200.f);
}

TEST(GigachillPound, SpendsTheShieldStunsOnlyAGroundedOpponentAndRegenerates)
{
    DuelWorld w(gigachill, atoola);
    Player& g = w.p1();
    Player& o = w.p2();
    w.stand(o, 2500.f, -1);  // far away: the pound has no reach limit
    w.frames(2);
    press(g);
    bool stunned = false;
    for (int i = 0; i < 60 && !stunned; ++i) {
        w.frames(1);
        stunned = o.currentState == AnimState::STUN;
    }
    EXPECT_TRUE(stunned);
    EXPECT_EQ(g.hitPoints, 1);
    EXPECT_FALSE(g.skill.shieldReady);
    // The shield comes back 8 s after it was spent.
    w.frames(7 * 30, 1.f / 30.f);
    EXPECT_EQ(g.hitPoints, 1);
    w.frames(31, 1.f / 30.f);
    EXPECT_EQ(g.hitPoints, 2);
    EXPECT_TRUE(g.skill.shieldReady);
    // An airborne opponent is not stunned.
    w.stand(o, 2500.f, -1);
    o.position.y = -2000.f;
    o.onGround = false;
    setBothStates(o, AnimState::IDLE);
    press(g);
    for (int i = 0; i < 60; ++i) {
        w.frames(1);
        ASSERT_NE(o.currentState, AnimState::STUN) << "frame " << i;
    }
    EXPECT_EQ(g.hitPoints, 1);
}

TEST(SwapMarker, PlacedFallsSwapsIsKnockedAndLeavesTheView)
{
    DuelWorld w(swapper, atoola);
    Player& p = w.p1();
    Player& o = w.p2();
    SwapMarker& m = p.marker;
    const sf::Vector2f start = p.position;
    press(p);
    swapperSwap(p.skill, p);
    ASSERT_TRUE(m.placed);
    EXPECT_EQ(m.position, start + sf::Vector2f(150.f, -50.f));
    w.frames(60);  // it falls onto the floor
    EXPECT_TRUE(m.onGround);
    EXPECT_NEAR(m.position.y + m.size.y / 2.f, floorTop, 1.f);
    const sf::Vector2f markerAt = m.position;
    const sf::Vector2f playerAt = p.position;
    press(p);
    swapperSwap(p.skill, p);
    EXPECT_EQ(p.position, markerAt);
    EXPECT_EQ(m.position, playerAt);
    EXPECT_TRUE(p.skill.active);
    w.frames(7);
    EXPECT_FALSE(p.skill.active);
    // The opponent swings at it from the right.
    w.stand(o, m.position.x + 20.f, -1);
    o.hitboxActive = true;
    o.hitLanded = false;
    updateMarker(w.world, m);
    EXPECT_LT(m.velocity.x, -1900.f);
    EXPECT_LT(m.velocity.y, -1300.f);
    EXPECT_TRUE(o.hitLanded);
    // Far out of view: gone, and the next press places it anew.
    m.position.x = w.world.camera.view.getCenter().x + 1200.f;
    updateMarker(w.world, m);
    EXPECT_FALSE(m.placed);
    press(p);
    swapperSwap(p.skill, p);
    EXPECT_TRUE(m.placed);
    EXPECT_EQ(m.position, p.position + sf::Vector2f(150.f, -50.f));
}
