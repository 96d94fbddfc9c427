#include "fighters/PlayerStep.h"

#include "world/FightWorld.h"
#include "fighters/Animation.h"
#include "fighters/Combat.h"
#include "fighters/Death.h"

#include <cmath>

namespace {

constexpr float slowedScale = 0.5f;       // move multiplier in water
constexpr float stopSpeed = 5.f;          // px/s: slower than this stops at once
constexpr float groundFriction = -10.f;   // 1/s
constexpr float airFriction = -3.f;       // 1/s
constexpr float fallOutLine = 1280.f;     // px: below the 20 rows of the level

// A move of the fighter's own size or more in one frame would tunnel through
// tiles: the frame's move is dropped instead.
bool moveTooLong(const Player& p, float dt)
{
    return std::fabs(p.velocity.x * dt) >= p.size.x || std::fabs(p.velocity.y * dt) >= p.size.y;
}

void applyFriction(Player& p, float dt)
{
    if (std::fabs(p.velocity.x) > stopSpeed)
        p.velocity.x += p.velocity.x * (p.onGround ? groundFriction : airFriction) * dt;
    else
        p.velocity.x = 0.f;
}

void integrate(Player& p, float dt)
{
    if (moveTooLong(p, dt)) {
        p.velocity = sf::Vector2f(0.f, 0.f);
        return;
    }
    applyFriction(p, dt);
    const float dx = p.velocity.x * p.moveScale.x * dt;
    p.position.x += dx;
    p.position.y += p.velocity.y * p.moveScale.y * dt;
    if (!p.onGround)
        p.velocity.y += p.gravity * dt;
    else if (!p.skill.active && !p.wallContact)
        p.dashCharge += std::fabs(dx);  // walking on the ground charges the dash
}

void deathCheck(Player& p, FightWorld& world)
{
    if (p.hitPoints < 1)
        checkDeath(p, world);
    else if (p.position.y > fallOutLine)
        p.hitPoints = 0;  // fell out of the level: dies next frame
}

void updateAirState(Player& p)
{
    const float drop = p.lastDt * p.velocity.y;
    if (drop > 0.f && !p.onGround) {
        p.airborne = true;
        p.falling = true;
    }
    if (drop == 0.f) {
        p.airborne = false;
        p.doubleJumpUsed = false;
        p.falling = false;
        p.onGround = true;
    }
}

}  // namespace

void updatePlayer(Player& p, FightWorld& world)
{
    const float dt = world.stepTime;
    // 1. Clocks.
    p.lastDt = dt;
    p.deathTimer += dt;
    // 2. Water halves the move unless attacking.
    const float scale = p.slowed && !p.attacking ? slowedScale : p.speedFactor;
    p.moveScale = sf::Vector2f(scale, scale);
    // 3. Nothing moves while the curtain darkens.
    if (world.curtain.darkening)
        return;
    // 4. The kind's skill.
    if (p.skill.activate)
        p.skill.activate(p.skill, p);
    // 5. Friction, move, gravity.
    integrate(p, dt);
    // 6. Death and falling out.
    deathCheck(p, world);
    // 7-8. Attack and parry windows.
    attackFrames(p);
    parryFrames(p);
    // 9. Air state and landing.
    updateAirState(p);
    // 10. Animation.
    stepAnimation(p);
}
