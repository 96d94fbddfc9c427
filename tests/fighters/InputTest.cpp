#include "fighters/FighterWorld.h"

#include "app/PlayerButtons.h"

#include <gtest/gtest.h>

namespace {

// P1 standing on a floor, P2 parked far away; the test drives P1's input.
struct InputWorld : FighterWorld {
    InputWorld() : FighterWorld(withFloor)
    {
        standOn(p1(), 800.f, 15);
        world.stepTime = 1.f / 60.f;
    }
    // One input step of P1 alone.
    void takeInput()
    {
        p1().input.buttons = readPlayerButtons(input, p1().input);
        inputStep(p1());
    }
    void stick(float x)
    {
        input.joysticks[0].connected = true;
        input.joysticks[0].axes[0] = x;
    }
    int attackStarts = 0;
    double lastStart = 0.0;
    // Runs `frames` ticks, counting the attacks P1 starts.
    void run(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            step();
            if (p1().input.attackClock.startedAt != lastStart) {
                lastStart = p1().input.attackClock.startedAt;
                ++attackStarts;
            }
        }
    }
};

}  // namespace

TEST(PlayerInput, LeftWinsOverRightAndTheStickHasADeadZone)
{
    InputWorld world;
    Player& p = world.p1();
    world.key(sf::Keyboard::A, true);
    world.key(sf::Keyboard::D, true);
    world.takeInput();
    EXPECT_EQ(p.velocity.x, -700.f);
    EXPECT_EQ(p.facing, -1);
    EXPECT_EQ(p.requestedState, AnimState::RUNNING);
    world.key(sf::Keyboard::A, false);
    world.key(sf::Keyboard::D, false);

    p.keyboardMode = false;
    p.velocity.x = 0.f;
    world.stick(25.f);
    world.takeInput();
    EXPECT_EQ(p.velocity.x, 0.f);
    EXPECT_EQ(p.requestedState, AnimState::IDLE);
    // Past the dead zone the stick is a direction button: a run at full speed.
    world.stick(50.f);
    world.takeInput();
    EXPECT_FLOAT_EQ(p.velocity.x, 700.f);
    world.stick(-100.f);
    world.takeInput();
    EXPECT_FLOAT_EQ(p.velocity.x, -700.f);
}

TEST(PlayerInput, JumpThenDoubleJumpThenNothingAndTheJumpCut)
{
    InputWorld world;
    Player& p = world.p1();
    const float gravityStep = 5000.f / 60.f;
    world.key(sf::Keyboard::W, true);
    world.step();
    EXPECT_FLOAT_EQ(p.velocity.y, -1600.f);
    EXPECT_TRUE(p.airborne);
    world.step(3);  // held: nothing more
    EXPECT_NEAR(p.velocity.y, -1600.f + 3 * gravityStep, 0.01f);
    world.key(sf::Keyboard::W, false);
    world.step();
    EXPECT_FLOAT_EQ(p.velocity.y, -200.f + gravityStep) << "releasing early cuts the jump";
    world.key(sf::Keyboard::W, true);
    world.step();
    EXPECT_NEAR(p.velocity.y, -1200.f + gravityStep, 0.01f);
    world.key(sf::Keyboard::W, false);
    world.step();
    const float falling = p.velocity.y;
    world.key(sf::Keyboard::W, true);
    world.step();
    EXPECT_NEAR(p.velocity.y, falling + gravityStep, 0.01f) << "a third press gives no impulse";
    // Landing gives both jumps back.
    world.key(sf::Keyboard::W, false);
    for (int i = 0; i < 180 && p.airborne; ++i)
        world.step();
    EXPECT_FALSE(p.airborne);
    EXPECT_FALSE(p.doubleJumpUsed);
    world.key(sf::Keyboard::W, true);
    world.step();
    EXPECT_FLOAT_EQ(p.velocity.y, -1600.f);
}

TEST(PlayerInput, AttackOncePerPressAndNotWithinTheCooldown)
{
    InputWorld world;
    world.key(sf::Keyboard::J, true);
    world.run(60);  // held for a second
    EXPECT_EQ(world.attackStarts, 1);
    world.key(sf::Keyboard::J, false);
    world.run(1);
    world.key(sf::Keyboard::J, true);
    world.run(1);
    EXPECT_EQ(world.attackStarts, 2);
    // The clip (0.1 s) is over well before the cooldown (0.4 s).
    world.key(sf::Keyboard::J, false);
    world.run(12);
    world.key(sf::Keyboard::J, true);
    world.run(1);
    EXPECT_EQ(world.attackStarts, 2) << "0.22 s after the last start";
    world.key(sf::Keyboard::J, false);
    world.run(12);
    world.key(sf::Keyboard::J, true);
    world.run(1);
    EXPECT_EQ(world.attackStarts, 3);
    EXPECT_EQ(world.p1().currentState, AnimState::ATTACKING);
}

TEST(PlayerInput, StunAndDeflectWearOff)
{
    InputWorld world;
    Player& p = world.p1();
    const float dt = 1.f / 64.f;
    setBothStates(p, AnimState::STUN);
    world.step(63, dt);
    EXPECT_EQ(p.currentState, AnimState::STUN);
    world.step(1, dt);
    EXPECT_EQ(p.currentState, AnimState::IDLE);
    setBothStates(p, AnimState::DEFLECT);
    world.step(31, dt);
    EXPECT_EQ(p.currentState, AnimState::DEFLECT);
    world.step(1, dt);
    EXPECT_EQ(p.currentState, AnimState::IDLE);
    // While stunned, nothing starts.
    setBothStates(p, AnimState::STUN);
    world.key(sf::Keyboard::W, true);
    world.key(sf::Keyboard::J, true);
    world.step(10, dt);
    EXPECT_FALSE(p.airborne);
    EXPECT_FALSE(p.attacking);
}
