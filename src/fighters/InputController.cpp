#include "fighters/InputController.h"

#include "world/FightWorld.h"

#include <cmath>

namespace {

constexpr float runSpeed = 700.f;         // px/s
constexpr float stunLength = 1.0f;        // s
constexpr float deflectLength = 0.5f;     // s
constexpr float attackRunAirBoost = 1.006f;  // per frame
constexpr float footstepVolume = 40.f;
constexpr float jumpVolume = 50.f;
constexpr int gigachillKind = 2;

bool jumpDown(const InputController& c) { return c.buttons.held(ButtonJump); }
bool attackDown(const InputController& c) { return c.buttons.held(ButtonAttack); }
bool parryDown(const InputController& c) { return c.buttons.held(ButtonParry); }
bool skillDown(const InputController& c) { return c.buttons.held(ButtonSkill); }
bool useItemDown(const InputController& c) { return c.buttons.held(ButtonItem); }

float frameDt(const Player& p)
{
    return p.world->stepTime;
}

void requestAirState(Player& p)
{
    if (p.airborne)
        p.requestedState = p.falling ? AnimState::FALLING : AnimState::JUMPING;
}

void move(Player& p)
{
    InputController& c = p.input;
    if (c.buttons.held(ButtonLeft)) {
        p.moving = true;
        walk(p, -1);
        p.requestedState = AnimState::RUNNING;
    } else if (c.buttons.held(ButtonRight)) {
        p.moving = true;
        p.requestedState = AnimState::RUNNING;
        walk(p, 1);
    } else {
        p.requestedState = AnimState::IDLE;
        walk(p, 0);
        p.moving = false;
    }
}

void launch(Player& p, float impulse)
{
    p.knockbackLock = false;
    p.airborne = true;
    p.velocity.y = impulse;
}

void jump(Player& p)
{
    InputController& c = p.input;
    const bool down = jumpDown(c);
    if (!down || c.jumpLatch) {
        p.jumpReleased = true;
    } else {
        c.jumpLatch = true;
        if (!p.airborne) {
            cueSound(p, "JUMP", jumpVolume);
            if (p.velocity.y == 0.f || (p.jumpReleased && !p.doubleJumpUsed))
                launch(p, p.jumpImpulse);
            p.jumpReleased = false;
        }
        if (p.airborne && p.jumpReleased) {
            cueSound(p, "DOUBLEJUMP", jumpVolume);
            if (p.velocity.y == 0.f || !p.doubleJumpUsed)
                launch(p, p.doubleJumpImpulse);
            p.doubleJumpUsed = true;
            p.jumpReleased = false;
        }
    }
    requestAirState(p);
    if (!down)
        c.jumpLatch = false;
}

// Releasing Jump while rising fast makes a lower jump.
void jumpCut(Player& p)
{
    InputController& c = p.input;
    if (!jumpDown(c) && p.velocity.y < p.jumpCutSpeed)
        p.velocity.y = p.jumpCutSpeed;
}

void attack(Player& p)
{
    InputController& c = p.input;
    if (!p.attacking && c.attackClock.elapsed(p.world->time) >= c.attackCooldown) {
        if (attackDown(c) && !c.attackLatch) {
            c.attackLatch = true;
            c.attackClock.restart(p.world->time);
            p.attacking = true;
            p.hitLanded = false;  // a swing cut short by a clash or a parry left it set
        } else if (!attackDown(c)) {
            c.attackLatch = false;
        }
    }
    if (p.attacking)
        p.requestedState =
            p.moving && p.currentState != AnimState::ATTACKING ? AnimState::ATTACK_RUN : AnimState::ATTACKING;
}

void parry(Player& p)
{
    InputController& c = p.input;
    if (parryDown(c) && !c.parryLatch) {
        c.parryLatch = true;
        c.parryClock.restart(p.world->time);
        p.parryActive = true;
        p.requestedState = AnimState::PARRY;
    } else if (!parryDown(c)) {
        c.parryLatch = false;
    }
}

void skillRequest(Player& p)
{
    InputController& c = p.input;
    if (skillDown(c) && !c.skillLatch) {
        c.skillLatch = true;
        if (!p.skill.active)
            p.skill.pressed = true;
    } else if (!skillDown(c)) {
        c.skillLatch = false;
    }
}

void itemRequest(Player& p)
{
    InputController& c = p.input;
    if (useItemDown(c) && p.item)
        p.useItemRequest = true;
}

// STUN and DEFLECT wear off after a fixed time in the state.
void waitOut(Player& p, float length)
{
    InputController& c = p.input;
    c.stateTimer += frameDt(p);
    if (c.stateTimer >= length) {
        c.stateTimer = 0.f;
        setBothStates(p, AnimState::IDLE);
    }
}

void footstep(Player& p)
{
    if (p.stepClock.elapsed(p.world->time) > p.stepInterval) {
        p.stepClock.restart(p.world->time);
        cueSound(p, characterKind(p) == gigachillKind ? "G_WALKING" : "STEP1", footstepVolume, true);
    }
}

}  // namespace

void walk(Player& p, int direction)
{
    if (direction != 0 && p.onGround) {
        p.knockbackLock = false;
        footstep(p);
    }
    if (direction != 0 && !p.knockbackLock) {
        p.facing = direction < 0 ? -1 : 1;
        p.velocity.x = static_cast<float>(p.facing) * runSpeed;
    }
    setFacingScale(p, static_cast<float>(p.facing), 1.f);
}

void inputStep(Player& p)
{
    InputController& c = p.input;
    // 1. Only STUN and DEFLECT keep counting their time.
    if (p.currentState != AnimState::STUN && p.currentState != AnimState::DEFLECT)
        c.stateTimer = 0.f;
    // 2. What the fighter may do depends on what it is doing.
    switch (p.currentState) {
    case AnimState::RUNNING:
        skillRequest(p);
        move(p);
        jump(p);
        attack(p);
        parry(p);
        itemRequest(p);
        break;
    case AnimState::JUMPING:
    case AnimState::FALLING:
        skillRequest(p);
        move(p);
        jump(p);
        jumpCut(p);
        requestAirState(p);
        attack(p);
        parry(p);
        itemRequest(p);
        break;
    case AnimState::IDLE:
        move(p);
        parry(p);
        skillRequest(p);
        jump(p);
        attack(p);
        itemRequest(p);
        break;
    case AnimState::ATTACKING:
    case AnimState::PARRY:
    case AnimState::SHOOT:
        walk(p, 0);
        break;
    case AnimState::ATTACK_RUN:
        if (!p.onGround)
            p.velocity.x *= attackRunAirBoost;
        break;
    case AnimState::STUN:
        walk(p, 0);
        waitOut(p, stunLength);
        break;
    case AnimState::DEFLECT:
        waitOut(p, deflectLength);
        break;
    default:
        break;
    }
}
