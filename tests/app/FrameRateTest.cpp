#include "app/Frame.h"
#include "app/SubSteps.h"
#include "fighters/CombatWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

// One scripted fight replayed at several frame rates: the game must come out
// the same, because long frames are simulated in sub-steps.

namespace {

constexpr int atoola = 1, gigachill = 2;
constexpr float levelTop = 60.f;           // px: where the long fall starts
constexpr float jumpColumnCentre = 2016.f;  // px: the middle of a floor tile

// What the replay leaves to compare.
struct Replay {
    float walk = 0.f;          // px from the start to rest after one second's walk
    sf::Vector2f jumpLanding;  // P1 at rest after jump and double jump
    sf::Vector2f fallLanding;  // P1 at rest after the long fall from the top
    float fallTime = 0.f;      // s from the top to the floor
    float dash = 0.f;          // px from the dash key to rest
    int hits = 0;              // hit points P2 lost
    bool frictionReversed = false;
};

// Keys held over [from, to) of the replay's time, s.
struct Hold {
    KeyAction action;
    float from, to;
};
const Hold script[] = {
    {MoveRightKey, 0.f, 1.f},  // walk
    {JumpKey, 1.6f, 1.8f},     // jump, released while rising: a cut jump
    {JumpKey, 2.f, 2.6f},      // double jump
    {SkillKey, 4.f, 4.4f},     // Atoola's dash
    {AttackKey, 5.f, 5.2f},    // a swing at the Gigachill
};

bool held(KeyAction action, float t)
{
    for (const Hold& hold : script)
        if (hold.action == action && t >= hold.from - 1e-4f && t < hold.to - 1e-4f)
            return true;
    return false;
}

// Runs `body` once, at the first frame that starts at or after `mark`.
struct Moment {
    float mark;
    bool done = false;
    template <typename Body>
    void at(float t, Body body)
    {
        if (!done && t >= mark - 1e-4f) {
            done = true;
            body();
        }
    }
};

Replay replay(float dt)
{
    CombatWorld world(atoola, gigachill);
    Game& game = world.game;
    Player& p1 = world.p1();
    Player& p2 = world.p2();
    world.stand(p1, 400.f, 1);
    world.stand(p2, 3400.f, -1);
    game.time.now = 10.0;  // past every cool-down
    p1.keyboardMode = true;
    Replay out;
    Moment walked{1.5f}, takeOff{1.55f}, jumped{2.9f}, top{3.f}, fell{3.9f}, dashKey{4.f}, dashed{4.9f}, meet{5.f};
    float from = 0.f;
    bool falling = false;
    const int frames = static_cast<int>(std::lround(6.f / dt));
    for (int i = 0; i < frames; ++i) {
        const float t = static_cast<float>(i) * dt;
        for (int action = 0; action < keyActionCount; ++action)
            world.headless.setKey(static_cast<sf::Keyboard::Key>(p1.input->bindings.keys[action]),
                                  held(static_cast<KeyAction>(action), t));
        walked.at(t, [&] { out.walk = p1.position.x - 400.f; });
        takeOff.at(t, [&] { world.stand(p1, jumpColumnCentre, 1); });
        jumped.at(t, [&] { out.jumpLanding = p1.position; });
        top.at(t, [&] {
            p1.position = sf::Vector2f(1600.f, levelTop);
            p1.velocity = sf::Vector2f(0.f, 0.f);
            falling = true;
        });
        fell.at(t, [&] { out.fallLanding = p1.position; });
        dashKey.at(t, [&] { from = p1.position.x; });
        dashed.at(t, [&] { out.dash = p1.position.x - from; });
        meet.at(t, [&] { world.stand(p2, p1.position.x + 45.f, -1); });
        const float vx[2] = {p1.velocity.x, p2.velocity.x};
        const int hitPoints = p2.hitPoints;
        runFrame(game, dt, {}, false);
        for (int k = 0; k < 2; ++k)
            out.frictionReversed |= vx[k] * game.players[k].velocity.x < 0.f;
        out.hits += std::max(0, hitPoints - p2.hitPoints);
        if (falling && p1.onGround) {
            falling = false;
            out.fallTime = t + dt - 3.f;
        }
    }
    return out;
}

}  // namespace

TEST(FrameRate, AFrameSplitsIntoEqualStepsOfAtMostA120th)
{
    EXPECT_EQ(splitFrame(1.f / 300.f).count, 1);
    EXPECT_EQ(splitFrame(1.f / 300.f).length, 1.f / 300.f);
    EXPECT_EQ(splitFrame(1.f / 120.f).count, 1);
    EXPECT_EQ(splitFrame(1.f / 60.f).count, 2);
    EXPECT_EQ(splitFrame(1.f / 25.f).count, 5);
    EXPECT_FLOAT_EQ(splitFrame(1.f / 25.f).length, 0.008f);
    EXPECT_EQ(splitFrame(longestFrame).count, 30);
    EXPECT_EQ(splitFrame(0.f).count, 1);
    EXPECT_EQ(boundedFrameTime(2.f), longestFrame);
    EXPECT_EQ(boundedFrameTime(-1.f), 0.f);
    EXPECT_EQ(boundedFrameTime(std::nanf("")), 0.f);
}

TEST(FrameRate, OneScriptedFightPlaysTheSameAt25To300Fps)
{
    const float rates[] = {25.f, 60.f, 144.f, 300.f};
    Replay runs[4];
    for (int r = 0; r < 4; ++r) {
        runs[r] = replay(1.f / rates[r]);
        const Replay& run = runs[r];
        std::printf("%5.0f FPS: walk %.1f px, jump lands (%.1f, %.1f), fall lands (%.1f, %.1f) after %.3f s, "
                    "dash %.1f px, hits %d\n",
                    rates[r], run.walk, run.jumpLanding.x, run.jumpLanding.y, run.fallLanding.x, run.fallLanding.y,
                    run.fallTime, run.dash, run.hits);
    }
    const Replay& reference = runs[3];
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(rates[r]);
        const Replay& run = runs[r];
        EXPECT_EQ(run.hits, 1);
        EXPECT_FALSE(run.frictionReversed);
        EXPECT_NEAR(run.jumpLanding.x, reference.jumpLanding.x, 2.f);
        EXPECT_NEAR(run.jumpLanding.y, reference.jumpLanding.y, 2.f);
        EXPECT_NEAR(run.fallLanding.x, reference.fallLanding.x, 2.f);
        EXPECT_NEAR(run.fallLanding.y, reference.fallLanding.y, 2.f);
        EXPECT_NEAR(run.fallTime, reference.fallTime, 1.f / rates[r] + 0.01f);  // no hitch in mid-air
        // Walking and dashing run against friction applied once per step, so
        // their distances differ by a few per cent between step sizes; the
        // whole dash is always covered.
        EXPECT_NEAR(run.walk, reference.walk, 0.06f * reference.walk);
        EXPECT_GE(run.dash, 1750.f * 0.2f);
        EXPECT_NEAR(run.dash, reference.dash, 0.08f * reference.dash);
    }
}

TEST(FrameRate, AStallCountsAsAQuarterSecondInSubSteps)
{
    CombatWorld stalled(atoola, gigachill), steady(atoola, gigachill);
    for (CombatWorld* world : {&stalled, &steady}) {
        world->stand(world->p2(), 3400.f, -1);
        world->p1().velocity.x = 1750.f;  // sliding on the ground: friction at its strongest
    }
    const double before = stalled.game.time.now;
    runFrame(stalled.game, 2.f, {}, false);
    for (int i = 0; i < 30; ++i)
        runFrame(steady.game, 1.f / 120.f, {}, false);
    EXPECT_NEAR(stalled.game.time.now - before, longestFrame, 1e-9);
    EXPECT_FLOAT_EQ(stalled.game.frameTime, longestFrame);
    EXPECT_GT(stalled.p1().velocity.x, 0.f);
    EXPECT_NEAR(stalled.p1().position.x, steady.p1().position.x, 0.01f);
    EXPECT_NEAR(stalled.p1().velocity.x, steady.p1().velocity.x, 0.01f);
}
