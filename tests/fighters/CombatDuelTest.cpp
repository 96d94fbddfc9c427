#include "fighters/Death.h"
#include "match/FightStage.h"

#include <gtest/gtest.h>

#include <cmath>

// A scripted duel on the Jungle level's middle section, played on the world
// alone with both players' buttons: each kind's swing, parry and skill reach
// the other fighter, and a fighter dies on the spikes and comes back protected.

namespace {

constexpr int napollo = 0, atoola = 1, gigachill = 2, swapper = 3;
constexpr int groundRow = 14;   // the long floor of the middle section
constexpr int meleeColumn = 16; // open floor, no platform overhead
constexpr int spikeColumn = 52;

struct Duel {
    JungleStage stage;
    FightWorld& world = stage.fight;
    float left = sectionLeft(tiles(world), world.sectionIndex);

    Player& p(int i) { return world.players[i]; }

    // A fresh fighter of `kind` standing on the floor at `column`.
    void ready(int i, int kind, int column, int facing)
    {
        Player& f = p(i);
        stage.setKind(i, kind);
        f.skill.shieldInitialised = false;
        f.skill.shieldReady = true;
        f.skill.active = false;
        f.position = sf::Vector2f(left + column * 64.f + 32.f, groundRow * 64.f - f.size.y / 2.f);
        f.velocity = sf::Vector2f(0.f, 0.f);
        f.alive = true;
        f.dead = false;
        f.dashing = false;
        f.attacking = false;
        f.deathTimer = 10.f;
        setBothStates(f, AnimState::IDLE);
        setFacingScale(f, static_cast<float>(facing), 1.f);
        f.input.stateTimer = 0.f;
        f.input.attackClock.startedAt = world.time.now - 1.0;  // ready to swing again
    }
    // P1 of `kind` facing P2 (Atoola or `other`) `gap` px to its right.
    void faceOff(int kind, float gap, int other = atoola)
    {
        ready(0, kind, meleeColumn, 1);
        ready(1, other, meleeColumn, -1);
        p(1).position.x += gap;
        frames(2);
    }
    void hold(int i, FightButton button, bool down)
    {
        std::uint16_t& bits = stage.inputs[i].buttons;
        bits = down ? (bits | button) : (bits & ~button);
    }
    // A press of one frame.
    void tap(int i, FightButton button)
    {
        hold(i, button, true);
        frames(1);
        hold(i, button, false);
    }
    void frames(int count) { stage.frames(count); }
};

}  // namespace

TEST(CombatDuel, SwingsParriesSkillsAndASpikeDeath)
{
    Duel duel;
    Player& a = duel.p(0);
    Player& b = duel.p(1);
    const auto stunnedWithin = [&](int frames) {
        for (int i = 0; i < frames; ++i) {
            duel.frames(1);
            if (b.currentState == AnimState::STUN)
                return true;
        }
        return false;
    };
    {
        SCOPED_TRACE("swings");
        duel.faceOff(atoola, 45.f, gigachill);  // Atoola wounds Gigachill through its shield
        duel.tap(0, ButtonAttack);
        duel.frames(28);
        EXPECT_EQ(b.hitPoints, 1);
        duel.faceOff(gigachill, 45.f);
        duel.tap(0, ButtonAttack);
        duel.frames(30);
        EXPECT_LT(b.hitPoints, 1);
        duel.faceOff(napollo, 45.f);  // launches instead of wounding
        duel.tap(0, ButtonAttack);
        duel.frames(10);
        EXPECT_EQ(b.hitPoints, 1);
        EXPECT_EQ(b.currentState, AnimState::DEFLECT);
        EXPECT_GT(b.position.x, a.position.x + 60.f);
        duel.faceOff(swapper, 45.f);  // never hits
        duel.tap(0, ButtonAttack);
        duel.frames(30);
        EXPECT_EQ(b.hitPoints, 1);
        EXPECT_NE(b.currentState, AnimState::DEFLECT);
    }
    for (int kind : {napollo, atoola, gigachill, swapper}) {
        SCOPED_TRACE("parry of kind " + std::to_string(kind));
        duel.faceOff(kind, 45.f);
        const int hitPoints = a.hitPoints;
        duel.hold(0, ButtonParry, true);
        duel.frames(kind == gigachill ? 5 : 1);  // Gigachill's parry frames come later
        duel.tap(1, ButtonAttack);
        duel.hold(0, ButtonParry, false);
        EXPECT_TRUE(stunnedWithin(30));
        EXPECT_EQ(a.hitPoints, hitPoints);
    }
    {
        SCOPED_TRACE("skills");
        duel.faceOff(napollo, 500.f);  // the shot wounds from afar
        duel.tap(0, ButtonSkill);
        duel.frames(42);
        EXPECT_LT(b.hitPoints, 1);
        EXPECT_EQ(a.skill.ammo, 3);
        duel.faceOff(atoola, 150.f);  // the dash goes straight through
        duel.tap(0, ButtonSkill);
        duel.frames(25);
        EXPECT_GT(a.position.x, b.position.x);
        EXPECT_EQ(b.hitPoints, 1);
        duel.faceOff(gigachill, 900.f);  // the pound stuns across the screen
        duel.tap(0, ButtonSkill);
        EXPECT_TRUE(stunnedWithin(60));
        duel.faceOff(swapper, 100.f);  // marker beyond the other, then swap behind it
        duel.tap(0, ButtonSkill);
        duel.frames(30);
        duel.tap(0, ButtonSkill);
        duel.frames(2);
        EXPECT_GT(a.position.x, b.position.x);
    }
    {
        SCOPED_TRACE("spike death and respawn");
        duel.ready(0, atoola, spikeColumn - 7, 1);
        duel.ready(1, gigachill, spikeColumn, -1);
        b.position.y -= 200.f;  // drops onto the spikes
        a.advancing = true;
        Camera& camera = duel.world.camera;  // looking at the spikes from the start
        camera.view.setCenter(a.position.x, camera.centre.y);
        camera.centre = camera.view.getCenter();
        duel.frames(30);
        EXPECT_TRUE(b.dead);
        EXPECT_EQ(b.currentState, AnimState::DEATH);
        for (int frames = 0; !b.alive && frames < 300; ++frames)
            duel.frames(1);
        ASSERT_TRUE(b.alive);
        EXPECT_EQ(b.hitPoints, 1);
        EXPECT_TRUE(isProtected(b));
        EXPECT_GT(std::fabs(b.position.x - a.position.x), 700.f);
        duel.frames(10);
        EXPECT_TRUE(b.onGround);
        duel.frames(30);
        EXPECT_FALSE(isProtected(b));
    }
}
