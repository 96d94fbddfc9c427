#include "opponent/JumpChoice.h"

#include <cmath>

namespace {

constexpr int stepsPerTry = 3;             // the model moves in 1/100 s while trying
constexpr float stepTime = 1.f / 300.f;    // s, the fight's step
constexpr float fallLookTime = 0.8f;       // s a fall is followed to its end
constexpr float flightLookTime = 1.4f;     // s a tried jump is followed to its landing
constexpr float minimumGain = 96.f;        // px a jump must carry the fighter on
constexpr float blockedShare = 0.5f;       // less than this share of the walk means a wall

const JumpScript jumpsToTry[] = {
    {90, 0, 0, true},     // full jump
    {90, 96, 60, true},   // full jump, double at the top
    {24, 0, 0, true},     // short hop
    {45, 60, 75, true},   // early double
    {90, 18, 60, true},   // double at once, under a low ceiling
};

FightInput walkInput(int direction, bool jump)
{
    FightInput input;
    input.buttons = static_cast<std::uint16_t>((direction < 0 ? ButtonLeft : ButtonRight) | (jump ? ButtonJump : 0));
    return input;
}

// Steps the model for `seconds` or until `done` says so.
template <class Done>
void run(SelfMotion& m, const OpponentView& view, float seconds, int& step, FightInput (*inputAt)(int, int, const JumpScript&),
         int direction, const JumpScript& script, Done done)
{
    const int steps = static_cast<int>(seconds / stepTime);
    for (int end = step + steps; step < end && !m.dead && !done(m); step += stepsPerTry)
        stepMotion(m, inputAt(step, direction, script), view, stepTime * stepsPerTry);
}

FightInput walking(int, int direction, const JumpScript&)
{
    return walkInput(direction, false);
}

FightInput jumping(int step, int direction, const JumpScript& script)
{
    return walkInput(direction, jumpHeldAt(script, step));
}

bool never(const SelfMotion&)
{
    return false;
}

bool landed(const SelfMotion& m)
{
    return m.onGround;
}

}  // namespace

bool jumpHeldAt(const JumpScript& script, int step)
{
    if (step < script.hold)
        return true;
    return script.doubleAt > 0 && step >= script.doubleAt && step < script.doubleAt + script.doubleHold;
}

Ahead lookAhead(const SelfMotion& now, int direction, const OpponentView& view, float glance)
{
    if (direction == 0 || !now.onGround)
        return Ahead::Clear;
    SelfMotion m = now;
    int step = 0;
    run(m, view, glance, step, walking, direction, {}, never);
    if (!m.dead && !m.onGround)
        run(m, view, fallLookTime, step, walking, direction, {}, landed);
    if (m.dead)
        return Ahead::Danger;
    if (m.inWater && !now.inWater)
        return Ahead::Water;
    const float walked = std::fabs(m.x - now.x);
    return walked < blockedShare * 700.f * now.speedFactor * glance ? Ahead::Wall : Ahead::Clear;
}

namespace {

// Where the model comes down after `script`, walking on in `direction`.
SelfMotion landing(const SelfMotion& now, int direction, const JumpScript& script, const OpponentView& view)
{
    SelfMotion m = now;
    m.inWater = false;
    int step = 0;
    run(m, view, 0.05f, step, jumping, direction, script, never);  // off the ground first
    run(m, view, flightLookTime, step, jumping, direction, script, landed);
    return m;
}

bool safe(const SelfMotion& m)
{
    return !m.dead && !m.inWater && m.onGround;
}

}  // namespace

JumpScript chooseJump(const SelfMotion& now, int direction, const OpponentView& view)
{
    JumpScript best;
    float bestGain = minimumGain;
    for (const JumpScript& script : jumpsToTry) {
        const SelfMotion m = landing(now, direction, script, view);
        const float gain = (m.x - now.x) * static_cast<float>(direction);
        if (safe(m) && gain >= bestGain) {
            best = script;
            bestGain = gain;
        }
    }
    return best;
}

JumpScript jumpUpTo(const SelfMotion& now, int direction, float height, const OpponentView& view)
{
    for (const JumpScript& script : jumpsToTry) {
        const SelfMotion m = landing(now, direction, script, view);
        if (safe(m) && now.feet - m.feet >= height)
            return script;
    }
    return {};
}
