#include "opponent/JumpChoice.h"

#include "opponent/Ledges.h"

#include <array>
#include <cmath>
#include <iterator>

namespace {

constexpr int stepsPerTry = 3;             // the model moves in 1/100 s while trying
constexpr float stepTime = 1.f / 300.f;    // s, the fight's step
constexpr float fallLookTime = 0.8f;       // s a fall is followed to its end
constexpr float flightLookTime = 1.4f;     // s a tried jump is followed to its landing
constexpr float minimumGain = 96.f;        // px a jump must carry the fighter on
constexpr float stepGain = 24.f;           // px on is enough for a jump up onto a step
constexpr float stepHeight = 32.f;         // px higher than it began: a step climbed
constexpr float blockedShare = 0.5f;       // less than this share of the walk means a wall
constexpr float landingSlack = 56.f;       // px a landing may come down off where it was tried
constexpr int exactChecks = 2;             // best jumps checked step by step
constexpr float dashSpeed = 1750.f;        // px/s
constexpr float dashTime = 0.2f;           // s
constexpr float stopLookTime = 0.04f;      // s a walk goes on before the hand lets go
constexpr float glideLookTime = 0.3f;      // s a let-go fighter is followed while it slides to a stop

const JumpScript jumpsToTry[] = {
    {90, 0, 0, true},     // full jump
    {90, 96, 60, true},   // full jump, double at the top
    {24, 0, 0, true},     // short hop
    {45, 60, 75, true},   // early double
    {90, 18, 60, true},   // double at once, under a low ceiling
};

// Walks tried for a climb onto a ledge: from and until which step (0: all the
// way); letting go early suits a narrow ledge, starting late one overhead.
struct ClimbWalk {
    int from = 0, until = 0;
};
constexpr ClimbWalk climbWalks[] = {{0, 0}, {0, 75}, {0, 40}, {110, 0}};

FightInput walkInput(int direction, bool jump)
{
    const unsigned walk = direction < 0 ? 1u * ButtonLeft : direction > 0 ? 1u * ButtonRight : 0u;
    return FightInput{static_cast<std::uint16_t>(walk | (jump ? 1u * ButtonJump : 0u))};
}

// Steps the model for `seconds` or until `done` says so, `stride` fight
// steps at a time.
template <class Done>
void run(SelfMotion& m, const OpponentView& view, float seconds, int& step, FightInput (*inputAt)(int, int, const JumpScript&),
         int direction, const JumpScript& script, Done done, int stride = stepsPerTry)
{
    const int steps = static_cast<int>(seconds / stepTime);
    for (int end = step + steps; step < end && !m.dead && !done(m); step += stride)
        stepMotion(m, inputAt(step, direction, script), view, stepTime * static_cast<float>(stride));
}

FightInput walking(int, int direction, const JumpScript&)
{
    return walkInput(direction, false);
}

FightInput jumping(int step, int direction, const JumpScript& script)
{
    return walkInput(walksAt(script, step) ? direction : 0, jumpHeldAt(script, step));
}

bool never(const SelfMotion&)
{
    return false;
}

bool landed(const SelfMotion& m)
{
    return m.onGround;
}

// Whether `course` ends the fighter in a pit or on spikes with the other
// fighter's body where it was seen, or with it gone: seen late, it may have
// moved, and a body in the way can stop a jump short or a walk early.
template <class Course>
bool deadEitherWay(const SelfMotion& now, Course course)
{
    for (bool blocked : {now.blocked, false}) {
        SelfMotion m = now;
        m.blocked = blocked;
        course(m);
        if (m.dead)
            return true;
        if (!now.blocked)
            break;
    }
    return false;
}

}  // namespace

std::array<int, 3> wayFirst(int direction)
{
    if (direction == 0)
        return {0, -1, 1};
    return {direction, 0, -direction};
}

bool jumpHeldAt(const JumpScript& script, int step)
{
    if (step < script.hold)
        return true;
    return script.doubleAt > 0 && step >= script.doubleAt && step < script.doubleAt + script.doubleHold;
}

bool walksAt(const JumpScript& script, int step)
{
    return step >= script.walkFrom && (script.walkFor == 0 || step < script.walkFor);
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

// Where the model comes down after `script`, walking on in `direction`; tried
// coarsely, or step by step as the fight moves.
SelfMotion landing(const SelfMotion& now, int direction, const JumpScript& script, const OpponentView& view,
                   int stride = stepsPerTry)
{
    SelfMotion m = now;
    int step = 0;
    run(m, view, 0.05f, step, jumping, direction, script, never, stride);  // off the ground first
    run(m, view, flightLookTime, step, jumping, direction, script, landed, stride);
    return m;
}

bool safe(const SelfMotion& m, const OpponentView& view)
{
    return !m.dead && !m.inWater && m.onGround && standsClearOfSpikes(m, view, landingSlack);
}

constexpr float closeSpikeMargin = 2.f;  // px: a body stopped by a body lands where it was stopped

// Stopped short by the other fighter's body, a jump comes down where the body
// stopped it, closer to a hazard than a free landing should: it need only
// come down on its feet, clear of the spikes.
bool landsAlive(SelfMotion m, int direction, const JumpScript& script, const OpponentView& view)
{
    m.spikeMargin = closeSpikeMargin;
    m = landing(m, direction, script, view, 1);
    return !m.dead && m.onGround;
}

bool landsOn(const SelfMotion& m, const Ledge& ledge, const OpponentView& view)
{
    return safe(m, view) && std::fabs(m.feet - ledge.feet) < 1.f && m.x > ledge.left && m.x < ledge.right;
}

}  // namespace

JumpScript chooseJump(const SelfMotion& now, int direction, const OpponentView& view)
{
    // The coarse tries rank the jumps; the best is then checked step by step.
    JumpScript ranked[std::size(jumpsToTry)];
    float gains[std::size(jumpsToTry)];
    int count = 0;
    SelfMotion unblocked = now;
    unblocked.blocked = false;
    for (const JumpScript& script : jumpsToTry) {
        const SelfMotion m = landing(unblocked, direction, script, view);
        const float gain = (m.x - now.x) * static_cast<float>(direction);
        const bool climbed = now.feet - m.feet >= stepHeight;
        if (!safe(m, view) || gain < (climbed ? stepGain : minimumGain))
            continue;
        int at = count++;
        for (; at > 0 && gains[at - 1] < gain; --at) {
            ranked[at] = ranked[at - 1];
            gains[at] = gains[at - 1];
        }
        ranked[at] = script;
        gains[at] = gain;
    }
    for (int i = 0; i < count && i < exactChecks; ++i)
        if (safe(landing(unblocked, direction, ranked[i], view, 1), view) &&
            (!now.blocked || landsAlive(now, direction, ranked[i], view)))
            return ranked[i];
    return {};
}

JumpScript jumpUpTo(const SelfMotion& now, int direction, float height, const OpponentView& view)
{
    for (const JumpScript& script : jumpsToTry) {
        const SelfMotion m = landing(now, direction, script, view);
        if (safe(m, view) && now.feet - m.feet >= height)
            return script;
    }
    return {};
}

JumpScript jumpOnto(const SelfMotion& now, int direction, const Ledge& ledge, const OpponentView& view)
{
    for (const ClimbWalk& walk : climbWalks)
        for (JumpScript script : jumpsToTry) {
            script.walkFrom = walk.from;
            script.walkFor = walk.until;
            if (landsOn(landing(now, direction, script, view), ledge, view) &&
                landsOn(landing(now, direction, script, view, 1), ledge, view))
                return script;
        }
    return {};
}

bool dashIsSafe(const SelfMotion& now, int direction, const OpponentView& view)
{
    SelfMotion m = now;
    const int steps = static_cast<int>(dashTime / (stepTime * stepsPerTry));
    for (int i = 0; i < steps && !m.dead; ++i) {
        m.vx = dashSpeed * static_cast<float>(direction) / m.speedFactor;
        m.vy = 0.f;
        stepMotion(m, FightInput{}, view, stepTime * stepsPerTry);
    }
    int step = 0;
    run(m, view, fallLookTime, step, walking, 0, {}, landed);
    return safe(m, view);
}

bool fallsToDeath(const SelfMotion& now, int direction, const OpponentView& view)
{
    return deadEitherWay(now, [&](SelfMotion& m) {
        int step = 0;
        run(m, view, flightLookTime, step, walking, direction, {}, landed);
    });
}

bool slidesIntoDanger(const SelfMotion& now, int direction, const OpponentView& view)
{
    return deadEitherWay(now, [&](SelfMotion& m) {
        int step = 0;
        run(m, view, stopLookTime, step, walking, direction, {}, never);
        run(m, view, glideLookTime, step, walking, 0, {}, never);
        if (!m.dead && !m.onGround)
            run(m, view, fallLookTime, step, walking, 0, {}, landed);
    });
}

JumpScript rescueJump(const SelfMotion& now, int& direction, const OpponentView& view)
{
    if (now.onGround || now.doubleJumpUsed || now.vy <= 0.f)
        return {};
    if (!fallsToDeath(now, direction, view))
        return {};
    const JumpScript doubleNow{60, 0, 0, true};
    for (int way : wayFirst(direction)) {
        if (safe(landing(now, way, doubleNow, view), view) && safe(landing(now, way, doubleNow, view, 1), view)) {
            direction = way;
            return doubleNow;
        }
    }
    return {};
}
