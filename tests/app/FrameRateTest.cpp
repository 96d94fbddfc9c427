#include "app/Frame.h"
#include "app/FixedSteps.h"
#include "fighters/CombatWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

// One scripted fight replayed at several frame rates: long frames run in
// sub-steps, so the game comes out the same.

namespace {

constexpr int atoola = 1, gigachill = 2;

struct Replay {
    float walk = 0.f, fallTime = 0.f, dash = 0.f;  // px walked in 1 s, s from the top to the floor, px dashed
    sf::Vector2f jumpLanding, fallLanding;          // P1 at rest after the double jump / the long fall
    int hits = 0;                                  // hit points P2 lost
    bool frictionReversed = false;
};

// Keys held over [from, to) s.
const struct {
    KeyAction action;
    float from, to;
} script[] = {{MoveRightKey, 0.f, 1.f}, {JumpKey, 1.6f, 1.8f}, {JumpKey, 2.f, 2.6f}, {SkillKey, 4.f, 4.4f},
              {AttackKey, 5.f, 5.2f}};

Replay replay(float dt)
{
    CombatWorld world(atoola, gigachill);
    Game& game = world.game;
    Player& p1 = world.p1();
    Player& p2 = world.p2();
    world.stand(p1, 400.f, 1);
    world.stand(p2, 3400.f, -1);
    game.world.time.now = 10.0;  // past every cool-down
    p1.keyboardMode = true;
    p1.advancing = true;  // the camera follows P1; only P2 is held in view
    Replay out;
    float dashFrom = 0.f;
    bool falling = false;
    const auto frameAt = [dt](float t) { return static_cast<int>(std::ceil(t / dt - 1e-3f)); };
    for (int i = 0; i < frameAt(6.f); ++i) {
        const float t = static_cast<float>(i) * dt;
        for (bool down : {false, true})  // release every key of the script, then hold the current ones
            for (const auto& hold : script)
                if (!down || (i >= frameAt(hold.from) && i < frameAt(hold.to)))
                    world.headless.setKey(static_cast<sf::Keyboard::Key>(p1.input.bindings.keys[hold.action]), down);
        if (i == frameAt(1.5f)) {
            out.walk = p1.position.x - 400.f;
            world.stand(p1, 2016.f, 1);  // the jump starts from the middle of a floor tile
        }
        if (i == frameAt(2.9f))
            out.jumpLanding = p1.position;
        if (i == frameAt(3.f)) {
            p1.position = sf::Vector2f(1600.f, 60.f);  // the top of the level
            p1.velocity = sf::Vector2f(0.f, 0.f);
            falling = true;
        }
        if (i == frameAt(3.9f))
            out.fallLanding = p1.position;
        if (i == frameAt(4.f))
            dashFrom = p1.position.x;
        if (i == frameAt(4.9f))
            out.dash = p1.position.x - dashFrom;
        if (i == frameAt(5.f))
            world.stand(p2, p1.position.x + 45.f, -1);
        const float vx[2] = {p1.velocity.x, p2.velocity.x};
        const int hitPoints = p2.hitPoints;
        runFrame(game, dt, {}, false);
        for (int k = 0; k < 2; ++k)
            out.frictionReversed |= vx[k] * game.world.players[k].velocity.x < 0.f;
        out.hits += std::max(0, hitPoints - p2.hitPoints);
        if (falling && p1.onGround) {
            falling = false;
            out.fallTime = t + dt - 3.f;
        }
    }
    return out;
}

}  // namespace

TEST(FrameRate, OneScriptedFightPlaysTheSameAt25To300Fps)
{
    const float rates[] = {25.f, 60.f, 144.f, 300.f};
    const Replay reference = replay(1.f / 300.f);
    for (float rate : rates) {
        SCOPED_TRACE(rate);
        const Replay run = rate == 300.f ? reference : replay(1.f / rate);
        std::printf("%3.0f FPS: walk %.1f px, jump lands (%.1f, %.1f), fall lands (%.1f, %.1f) after %.3f s, "
                    "dash %.1f px, hits %d\n",
                    rate, run.walk, run.jumpLanding.x, run.jumpLanding.y, run.fallLanding.x, run.fallLanding.y,
                    run.fallTime, run.dash, run.hits);
        EXPECT_EQ(run.hits, 1);
        EXPECT_FALSE(run.frictionReversed);
        EXPECT_NEAR(run.jumpLanding.x, reference.jumpLanding.x, 2.f);
        EXPECT_NEAR(run.jumpLanding.y, reference.jumpLanding.y, 2.f);
        EXPECT_NEAR(run.fallLanding.x, reference.fallLanding.x, 2.f);
        EXPECT_NEAR(run.fallLanding.y, reference.fallLanding.y, 2.f);
        EXPECT_NEAR(run.fallTime, reference.fallTime, 1.f / rate + 0.01f);  // no hitch in mid-air
        // Presses land on frame boundaries, so runs whose frames do not meet
        // the script's instants start a move a frame apart.
        EXPECT_NEAR(run.walk, reference.walk, 0.06f * reference.walk);
        EXPECT_GE(run.dash, 1750.f * 0.2f);
        EXPECT_NEAR(run.dash, reference.dash, 0.08f * reference.dash);
    }
}

TEST(FrameRate, AStallCountsAsAQuarterSecondOfSteps)
{
    CombatWorld stalled(atoola, gigachill), steady(atoola, gigachill);
    for (CombatWorld* world : {&stalled, &steady}) {
        world->stand(world->p2(), 3400.f, -1);
        world->p1().velocity.x = 1750.f;  // sliding on the ground: friction at its strongest
    }
    runFrame(stalled.game, 2.f, {}, false);
    for (int i = 0; i < 30; ++i)
        runFrame(steady.game, 1.f / 120.f, {}, false);
    EXPECT_NEAR(stalled.game.world.time.now, 0.25, 1e-9);
    EXPECT_EQ(boundedFrameTime(std::nanf("")), 0.f);
    EXPECT_GT(stalled.p1().velocity.x, 0.f);
    EXPECT_NEAR(stalled.p1().position.x, steady.p1().position.x, 0.01f);
    EXPECT_NEAR(stalled.p1().velocity.x, steady.p1().velocity.x, 0.01f);
}
