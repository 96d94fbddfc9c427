#include "JungleViews.h"

#include "opponent/Fighting.h"

#include <gtest/gtest.h>

namespace {

// P1 on the ground of the middle section facing P2, `gap` px to its right.
OpponentView faceToFace(float gap, int kind)
{
    OpponentView view = jungleView(2, 17, 17);
    view.fighters[1].x = view.fighters[0].x + gap;
    view.fighters[0].kind = kind;
    return view;
}

// How often in 200 decisions the choice `pick` is made.
template <class Pick>
int timesChosen(const OpponentView& view, Strength strength, Pick pick, Errand errand = Errand::Fight)
{
    OpponentRandom random = seededRandom(5, 0);
    int times = 0;
    for (int i = 0; i < 200; ++i)
        times += pick(chooseCombat(view, 0, view.fighters[0].x, errand, profileOf(strength), random)) ? 1 : 0;
    return times;
}

bool skill(const CombatChoice& c)
{
    return c.skill;
}

}  // namespace

// Each fighter's skill where it works, and never where it cannot: Napollo
// shoots at a fighter ahead while it has rounds, Atoola dashes in with a full
// gauge, Gigachill pounds only when both stand on the ground.
TEST(OpponentFighting, UsesEachSkillWhereItWorks)
{
    OpponentView napollo = faceToFace(600.f, 0);
    napollo.fighters[0].ammo = 2;
    EXPECT_GT(timesChosen(napollo, Strength::Hard, skill), 100);
    napollo.fighters[0].facing = -1;
    EXPECT_EQ(timesChosen(napollo, Strength::Hard, skill), 0) << "facing away";
    napollo.fighters[0].facing = 1;
    napollo.fighters[0].ammo = 0;
    EXPECT_EQ(timesChosen(napollo, Strength::Hard, skill), 0) << "no rounds";

    OpponentView atoola = faceToFace(400.f, 1);
    atoola.fighters[0].dashCharge = 1000.f;
    EXPECT_GT(timesChosen(atoola, Strength::Hard, skill), 100);
    atoola.fighters[0].dashCharge = 999.f;
    EXPECT_EQ(timesChosen(atoola, Strength::Hard, skill), 0) << "gauge not full";

    OpponentView gigachill = faceToFace(500.f, 2);
    gigachill.fighters[0].shieldReady = true;
    EXPECT_GT(timesChosen(gigachill, Strength::Hard, skill), 100);
    gigachill.fighters[1].onGround = false;
    EXPECT_EQ(timesChosen(gigachill, Strength::Hard, skill), 0) << "the other fighter in the air";
}

// Swings land where they can: at a fighter in reach, at a crate it went for;
// a swing from too far is a misjudgement EASY makes far more often than HARD.
// The STOP item waits for the other side to hold the right of way.
TEST(OpponentFighting, SwingsAndItemsAsAPersonJudgesThem)
{
    const auto attack = [](const CombatChoice& c) { return c.attack; };
    EXPECT_EQ(timesChosen(faceToFace(100.f, 1), Strength::Easy, attack), 200);
    const OpponentView far = faceToFace(200.f, 1);
    EXPECT_GT(timesChosen(far, Strength::Easy, attack), 2 * timesChosen(far, Strength::Hard, attack));
    EXPECT_EQ(timesChosen(faceToFace(400.f, 1), Strength::Easy, attack), 0);

    OpponentView crate = faceToFace(1500.f, 1);
    crate.crateLying = true;
    crate.crateX = crate.fighters[0].x + 60.f;
    EXPECT_EQ(timesChosen(crate, Strength::Easy, attack, Errand::OpenCrate), 200);

    const auto item = [](const CombatChoice& c) { return c.item; };
    OpponentView stop = faceToFace(800.f, 1);
    stop.fighters[0].item = 3;
    stop.rightOfWay = 0;
    EXPECT_EQ(timesChosen(stop, Strength::Hard, item), 0);
    stop.rightOfWay = 1;
    EXPECT_GT(timesChosen(stop, Strength::Hard, item), 50);
    stop.fighters[0].item = noItem;
    EXPECT_EQ(timesChosen(stop, Strength::Hard, item), 0);
}
