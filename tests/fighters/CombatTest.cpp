#include "fighters/DuelWorld.h"

#include "fighters/Combat.h"
#include "fighters/PlayersTick.h"

#include <gtest/gtest.h>

namespace {

constexpr int napollo = 0, atoola = 1, gigachill = 2;

// The attacker swings on an active frame; the defender stands beside it.
void swingFrame(DuelWorld& w, Player& attacker, int frame)
{
    w.showFrame(attacker, frame);
    setBothStates(attacker, AnimState::ATTACKING);
    attacker.attacking = true;
    attackFrames(attacker);
}

}  // namespace

TEST(Wounds, GigachillLosesItsShieldThenFallsAndAtoolasKillFillsItsGauge)
{
    DuelWorld w(atoola, gigachill);
    w.heard.clear();
    Player& a = w.p1();
    Player& d = w.p2();
    ASSERT_EQ(d.hitPoints, 2);
    a.dashCharge = 10.f;
    swingFrame(w, a, 21);
    resolveHit(a, d);
    EXPECT_EQ(d.hitPoints, 1);
    EXPECT_TRUE(w.cued("G_LOSESHIELD"));
    EXPECT_FALSE(d.skill.shieldReady);
    EXPECT_EQ(a.dashCharge, 10.f) << "only a kill fills the gauge";
    // The same swing, held over later frames, wounds no more.
    for (int frame = 21; frame <= 23; ++frame) {
        swingFrame(w, a, frame);
        resolveHit(a, d);
    }
    EXPECT_EQ(d.hitPoints, 1);
    // A new swing brings it down.
    a.hitLanded = false;
    swingFrame(w, a, 34);
    resolveHit(a, d);
    EXPECT_EQ(d.hitPoints, 0);
    EXPECT_EQ(a.dashCharge, 1000.f);
}

TEST(Wounds, FacingAwayNeitherWoundsNorIsParried)
{
    DuelWorld w(atoola, atoola);
    Player& a = w.p1();
    Player& d = w.p2();
    setFacingScale(a, -1.f, 1.f);  // d stands to its right; a looks left
    a.position.x = d.position.x - 32.f;  // just beyond the reach of its back
    swingFrame(w, a, 21);
    resolveHit(a, d);
    EXPECT_EQ(d.hitPoints, 1);
    EXPECT_TRUE(a.hitLanded);
    // Against a parry: the attacker is not stunned and nothing is wounded.
    a.hitLanded = false;
    d.parryActive = true;
    resolveHit(a, d);
    EXPECT_EQ(a.currentState, AnimState::ATTACKING);
    EXPECT_EQ(d.hitPoints, 1);
}

TEST(Parry, FacingParryStunsTheAttackerAndOnlyItsFramesCount)
{
    DuelWorld w(atoola, atoola);
    w.heard.clear();
    Player& a = w.p1();
    Player& d = w.p2();
    // The PARRY clip still plays, but its frame is past the window.
    setBothStates(d, AnimState::PARRY);
    w.showFrame(d, 49);
    d.parryActive = true;  // as the parry button leaves it
    parryFrames(d);
    swingFrame(w, a, 21);
    resolveHit(a, d);
    EXPECT_EQ(d.hitPoints, 0);
    // Inside the window the parry turns the swing.
    d.hitPoints = 1;
    setBothStates(d, AnimState::PARRY);
    w.showFrame(d, 46);
    parryFrames(d);
    a.hitLanded = false;
    swingFrame(w, a, 21);
    resolveHit(a, d);
    EXPECT_EQ(d.hitPoints, 1);
    EXPECT_EQ(a.currentState, AnimState::STUN);
    EXPECT_FALSE(a.attacking);
    EXPECT_EQ(d.currentState, AnimState::IDLE);
    EXPECT_TRUE(w.cued("PARRYSUCESS"));
}

TEST(Clash, FaceToFacePushesBothApartSameFacingNever)
{
    DuelWorld w(atoola, atoola);
    Player& a = w.p1();
    Player& d = w.p2();
    swingFrame(w, d, 21);
    swingFrame(w, a, 21);
    resolveHit(a, d);
    EXPECT_EQ(a.currentState, AnimState::STUN);
    EXPECT_EQ(d.currentState, AnimState::STUN);
    EXPECT_FALSE(a.attacking || d.attacking);
    EXPECT_EQ(a.velocity.x, -1000.f);  // a faces right, pushed left
    EXPECT_EQ(d.velocity.x, 1000.f);
    EXPECT_EQ(d.hitPoints, 1);

    // Both facing right: the one behind hits the other's back.
    w.stand(a, 1000.f, 1);
    w.stand(d, 1040.f, 1);
    swingFrame(w, d, 21);
    swingFrame(w, a, 21);
    a.hitLanded = false;
    resolveHit(a, d);
    EXPECT_EQ(a.velocity.x, 0.f);
    EXPECT_EQ(d.currentState, AnimState::ATTACKING);
    EXPECT_EQ(d.hitPoints, 0);
}

TEST(NapolloMelee, LaunchesReloadsAndSparesTheKnockedDown)
{
    DuelWorld w(napollo, atoola);
    Player& a = w.p1();
    Player& d = w.p2();
    a.skill.ammo = 0;
    a.velocity.x = 100.f;
    swingFrame(w, a, 21);
    resolveHit(a, d);
    EXPECT_EQ(d.hitPoints, 1);
    EXPECT_EQ(d.currentState, AnimState::DEFLECT);
    EXPECT_EQ(d.velocity, sf::Vector2f(1800.f, -1700.f));
    EXPECT_EQ(a.skill.ammo, 4);
    // Already knocked: nothing more.
    a.skill.ammo = 1;
    d.velocity = sf::Vector2f(0.f, 0.f);
    resolveHit(a, d);
    EXPECT_EQ(d.velocity, sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(a.skill.ammo, 1);
}

TEST(HubHit, AParriedHitStillKnocksBackAndPassesTheRightOfWay)
{
    DuelWorld w(atoola, atoola);
    w.world.match.fightScene = false;  // the hub
    Player& a = w.p1();
    Player& d = w.p2();
    d.advancing = true;
    d.parryActive = true;
    swingFrame(w, a, 21);
    resolveHubHit(a, d);
    EXPECT_EQ(a.currentState, AnimState::STUN);
    EXPECT_EQ(d.currentState, AnimState::DEFLECT);
    EXPECT_EQ(d.velocity, sf::Vector2f(1000.f, -1000.f));
    EXPECT_TRUE(a.advancing);
    EXPECT_FALSE(d.advancing);
    EXPECT_EQ(d.hitPoints, 1);
}

TEST(Wounds, ASwingCutShortOrADeathNeverLeavesTheNextSwingDead)
{
    DuelWorld w(atoola, gigachill);
    Player& a = w.p1();
    Player& d = w.p2();
    w.world.time.now = 10.0;  // past the attack cool-down
    // A press of the attack button, then the frames until the swing lands or ends.
    auto swing = [&] {
        w.stand(a, 1000.f, 1);
        w.stand(d, 1040.f, -1);
        w.inputs[0].buttons = ButtonAttack;
        w.frames(1);
        w.inputs[0].buttons = 0;
        for (int i = 0; i < 60 && a.attacking && !a.hitLanded; ++i)
            w.frames(1);
    };
    swing();
    ASSERT_EQ(d.hitPoints, 1);
    ASSERT_TRUE(a.attacking && a.hitLanded);
    // The Gigachill swings back: a clash cuts the wounding swing short.
    swingFrame(w, d, 17);
    swingFrame(w, a, 21);
    resolveHit(a, d);
    ASSERT_EQ(a.currentState, AnimState::STUN);
    w.frames(120);
    swing();
    EXPECT_EQ(d.hitPoints, 0) << "the swing after the clash wounds";

    // Killed in the middle of a swing that hit: back from the dead, the first swing wounds.
    w.frames(240);
    ASSERT_TRUE(d.alive);
    swingFrame(w, a, 21);
    a.hitLanded = true;
    loseHitPoint(a, true);
    w.frames(240);
    ASSERT_TRUE(a.alive);
    const int standing = d.hitPoints;
    swing();
    EXPECT_EQ(d.hitPoints, standing - 1);
}
