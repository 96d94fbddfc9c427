#include "opponent/Opponent.h"

#include "opponent/Fighting.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float stepTime = 1.f / 300.f;  // s, the fight's step
constexpr int shortestHold = 18;         // steps a tap stays down (60 ms)
constexpr int longestHold = 40;          // steps (133 ms)
constexpr int stillLimit = 600;          // steps (2 s) standing before it moves anyway
constexpr int hopHold = 30;              // steps Jump is held for a hop on the spot
constexpr float stuckDistance = 8.f;     // px: moving less than this is not moving
constexpr int stuckLimit = 300;          // steps (1 s) walking without moving before it jumps
constexpr float closeToFoe = 70.f;       // px: nearer than this it stops walking into the other fighter
constexpr float farGlance = 0.2f;        // s of walking ahead in which it looks for a jump
constexpr float nearGlance = 0.05f;      // s of walking ahead that is too close to go on
constexpr int jumpTryEvery = 3;          // steps between two tries of the jumps
constexpr int backOffTime = 60;          // steps (200 ms) of run-up
constexpr int settleSteps = 15;          // steps (50 ms) on the ground before it jumps again
constexpr float goalReach = 60.f;        // px from the goal's middle at which it jumps for it
constexpr float carryHeight = 100.f;     // px a carried flag rides above its carrier's centre
constexpr float flagHalfHeight = 50.f;   // px
constexpr int atoolaKind = 1;            // the fighter whose skill is a dash
constexpr float foeReach = 160.f;        // px: the other fighter this near on its ground is fought, not jumped
constexpr float sameGround = 32.f;       // px of feet height that count as the same ground
constexpr int napolloKind = 0;           // the fighter whose skill is a shot
constexpr float shootingDistance = 320.f; // px Napollo keeps from the other fighter while it has rounds
constexpr float takeOffRoom = 40.f;      // px out from under a ledge's end to jump up onto it
constexpr float climbRange = 360.f;      // px across from a ledge within which a climb onto it is tried
constexpr float endRoom = 160.f;         // px kept from the end of its ground when it waits there (more than it looks ahead)
constexpr float waitReach = 520.f;       // px: the other fighter leaping this near is waited for
constexpr int longestFlight = 600;       // steps (2 s) a jump is steered before it is given up
constexpr int climbTryEvery = 6;         // steps between two tries of a climb

const FighterView& selfIn(const Opponent& o, const OpponentView& view)
{
    return view.fighters[static_cast<std::size_t>(o.player)];
}

// 1. Memory: the view of this step goes in, the one of `delay` steps ago is seen.
const OpponentView* remember(Opponent& o, const OpponentView& now)
{
    const auto size = static_cast<std::int64_t>(o.views.size());
    o.views[static_cast<std::size_t>(o.steps % size)] = now;
    ++o.steps;
    if (o.steps < size)
        return nullptr;
    return &o.views[static_cast<std::size_t>(o.steps % size)];
}

// 2. Where its fighter is now: as last seen, moved by what was pressed since.
SelfMotion reckonSelf(const Opponent& o, const OpponentView& seen)
{
    SelfMotion motion = motionOf(selfIn(o, seen));
    clearOfCeiling(motion, seen);
    blockWith(motion, seen.fighters[static_cast<std::size_t>(1 - o.player)]);
    const auto size = static_cast<std::int64_t>(o.presses.size());
    const auto delay = static_cast<std::int64_t>(o.profile.delaySteps);
    const auto at = [&](std::int64_t step) { return o.presses[static_cast<std::size_t>(step % size)]; };
    // This step is number steps - 1; the `delay` presses before it moved the
    // fighter since the view was seen, and the one before those holds the jump.
    const std::int64_t first = o.steps - 1 - delay;
    motion.jumpHeld = first >= 1 && at(first - 1).held(ButtonJump);
    for (std::int64_t i = first; i < o.steps - 1; ++i)
        stepMotion(motion, at(i), seen, stepTime);
    motion.dead = false;  // seen standing: a death on the model only means it stands close to danger
    return motion;
}

// Whether the errand takes it to the other fighter.
bool goesForFoe(Errand errand)
{
    return errand == Errand::Fight || errand == Errand::StopRunner;
}

int walkDirection(const Route& route, const FighterView& self, float x, const FighterView& foe)
{
    const bool atFoe = goesForFoe(route.errand);
    // Napollo with rounds left keeps a shot's distance: its swing only throws
    // the other fighter off, its shots bring it down.
    const bool level = std::fabs(foe.y - self.y) < sameGround;
    if (atFoe && self.kind == napolloKind && self.ammo > 0 && foe.alive && level) {
        const int toFoe = foe.x > x ? 1 : -1;
        if (std::fabs(foe.x - x) < shootingDistance)
            return -toFoe;
        return self.facing == toFoe ? 0 : toFoe;
    }
    if (atFoe && std::fabs(foe.x - x) < closeToFoe) {
        const int toFoe = foe.x > x ? 1 : -1;
        return self.facing == toFoe ? 0 : toFoe;  // turn to face it, then stand and fight
    }
    return route.direction;
}

// Toward a fighter over a pit or spikes (in the air there) it goes only as
// far as its own ground reaches, and waits at the end.
int stopAtTheEnd(int direction, const OpponentView& seen, const SelfMotion& self, const FighterView& foe)
{
    if (direction == 0 || !self.onGround)
        return direction;
    const Ledge here = ledgeBelow(seen, self.x, self.feet);
    const Ledge there = ledgeBelow(seen, foe.x, foe.y + foe.height / 2.f);
    if (!here.found || sameLedge(here, there))
        return direction;
    const float end = direction > 0 ? here.right - self.width / 2.f - endRoom : here.left + self.width / 2.f + endRoom;
    return there.found || (end - self.x) * static_cast<float>(direction) > 0.f ? direction : 0;
}

int holdTime(Opponent& o)
{
    return drawBetween(o.random, shortestHold, longestHold);
}

void startJump(Opponent& o, const JumpScript& script, int direction)
{
    releaseAll(o.holds);  // a swing about to start would hold the fighter on the ledge
    o.jump = script;
    o.jumpStep = 0;
    o.jumpDirection = direction;
}

// The way to walk to jump onto `to` from `here`: toward it, or out from under it
// to the nearer end the ground here reaches (0 when neither does).
int takeOffDirection(const Ledge& to, const Ledge& here, const SelfMotion& self)
{
    const float half = self.width / 2.f;
    if (self.x < to.left - half || self.x > to.right + half)
        return self.x < to.left ? 1 : -1;
    const float leftOut = to.left - half - takeOffRoom, rightOut = to.right + half + takeOffRoom;
    const bool leftFits = leftOut > here.left + half, rightFits = rightOut < here.right - half;
    if (leftFits && (!rightFits || self.x - leftOut < rightOut - self.x))
        return -1;
    return rightFits ? 1 : 0;
}

// Up to the fighter it goes for on a higher platform, one ledge at a time:
// the ledge to jump onto next and the way to walk to jump from.
void planClimb(Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    o.climbTo = {};
    const FighterView& foe = seen.fighters[static_cast<std::size_t>(1 - o.player)];
    const bool atFoe = goesForFoe(o.errand);
    if (!atFoe || !self.onGround || !foe.alive)
        return;
    const Ledge here = ledgeBelow(seen, self.x, self.feet);
    o.climbTo = nextLedgeUp(seen, here, ledgeBelow(seen, foe.x, foe.y + foe.height / 2.f));
    if (o.climbTo.found)
        o.moveDirection = takeOffDirection(o.climbTo, here, self);
}

// On the way up: a jump that lands on the next ledge, tried now and then
// from near enough.
void climbOnto(Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    const Ledge& to = o.climbTo;
    if (!to.found || o.jumpStep >= 0 || !self.onGround || self.groundSteps < settleSteps ||
        o.steps % climbTryEvery != 0)
        return;
    const bool arrived = std::fabs(self.feet - to.feet) < 1.f && self.x > to.left && self.x < to.right;
    const float across = std::fmax(0.f, std::fmax(to.left - self.x, self.x - to.right));
    if (arrived || across > climbRange)
        return;
    const int direction = (to.left + to.right) / 2.f > self.x ? 1 : -1;
    const JumpScript script = jumpOnto(self, direction, to, seen);
    if (script.found)
        startJump(o, script, direction);
}

// Carrying its flag under the goal, it jumps to touch the goal with it.
void reachForGoal(Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    if (o.errand != Errand::CarryHome || !self.onGround || std::fabs(seen.goalX - self.x) > goalReach)
        return;
    const float flagTop = self.feet - self.height / 2.f - carryHeight - flagHalfHeight;
    if (seen.goalY < flagTop)
        startJump(o, JumpScript{90, 96, 60, true}, 0);
}

// 3. A decision: the errand, the walk and the presses of the fight.
void decide(Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    o.untilDecision = o.profile.decideEvery + drawBetween(o.random, -o.profile.decideJitter, o.profile.decideJitter);
    const Route route = planRoute(seen, o.player, self.x);
    o.errand = route.errand;
    const FighterView& foe = seen.fighters[static_cast<std::size_t>(1 - o.player)];
    o.moveDirection = walkDirection(route, selfIn(o, seen), self.x, foe);
    if (goesForFoe(route.errand))
        o.moveDirection = stopAtTheEnd(o.moveDirection, seen, self, foe);
    planClimb(o, seen, self);
    reachForGoal(o, seen, self);
    // A swing, a parry or a shot takes the steering away for a moment: none
    // while a ledge or a hazard is near on the way.
    const bool nearLedge = o.moveDirection != 0 && lookAhead(self, o.moveDirection, seen, farGlance) != Ahead::Clear;
    if (nearLedge || o.jumpStep >= 0 || !self.onGround)
        return;
    const CombatChoice combat = chooseCombat(seen, o.player, self.x, route.errand, o.profile, o.random);
    if (combat.parry)
        press(o.holds, ButtonParry, combat.parryAfter, holdTime(o));
    if (combat.attack)
        press(o.holds, ButtonAttack, 0, holdTime(o));
    const bool dash = selfIn(o, seen).kind == atoolaKind;
    const int facing = selfIn(o, seen).facing;
    if (combat.skill && (!dash || (o.moveDirection == facing && dashIsSafe(self, facing, seen))))
        press(o.holds, ButtonSkill, 0, holdTime(o));
    if (combat.item)
        press(o.holds, ButtonItem, 0, holdTime(o));
}

// In the air with no jump of its own running, coming down in a pit or on
// spikes: a double jump that saves it if there is one, else the steering that
// lands safely (letting go, or back).
void steerInTheAir(Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    if (!fallsToDeath(self, o.moveDirection, seen))
        return;
    int direction = o.moveDirection;
    const JumpScript rescue = rescueJump(self, direction, seen);
    if (rescue.found) {
        startJump(o, rescue, direction);
        return;
    }
    for (int way : {0, -o.moveDirection})
        if (way != o.moveDirection && !fallsToDeath(self, way, seen)) {
            o.moveDirection = way;
            o.jumpStep = -1;  // the steering of a jump that ran out is taken back
            return;
        }
}

// The last step of a jump's own buttons.
int scriptEnd(const JumpScript& script)
{
    return std::max(script.hold, script.doubleAt + script.doubleHold);
}

// The fighter it goes for is in the air in front of it, not far: a leap
// across now would meet it over the gap.
bool foeLeapsAtIt(const Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    const FighterView& foe = seen.fighters[static_cast<std::size_t>(1 - o.player)];
    const bool atFoe = goesForFoe(o.errand);
    return atFoe && foe.alive && !foe.onGround && (foe.x - self.x) * static_cast<float>(o.moveDirection) > 0.f &&
           std::fabs(foe.x - self.x) < waitReach;
}

// The fighter it goes for stands right in its way: the body met is that
// fighter's, to be fought, not a wall to be jumped.
bool foeInTheWay(const Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    const FighterView& foe = seen.fighters[static_cast<std::size_t>(1 - o.player)];
    const bool atFoe = goesForFoe(o.errand);
    const float foeFeet = foe.y + foe.height / 2.f;
    return atFoe && foe.alive && std::fabs(foe.x - self.x) < foeReach && std::fabs(foeFeet - self.feet) < sameGround;
}

// 4. Ledges and hazards on the way: a jump that clears them is looked for
// from a little way off; right at one without a jump, it backs off for a run-up.
void watchTheWay(Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    if (o.backOffSteps > 0) {
        --o.backOffSteps;
        o.moveDirection = o.backOffSteps > 0 ? o.backOffDirection : -o.backOffDirection;
        return;
    }
    // Still coming down after its buttons ran out, a jump is watched as a fall.
    if (!self.onGround && (o.jumpStep < 0 || o.jumpStep > scriptEnd(o.jump))) {
        steerInTheAir(o, seen, self);
        return;
    }
    if (o.jumpStep >= 0 || o.moveDirection == 0 || self.groundSteps < settleSteps)
        return;
    if (lookAhead(self, o.moveDirection, seen, farGlance) == Ahead::Clear)
        return;
    if (foeInTheWay(o, seen, self))
        return;
    if (foeLeapsAtIt(o, seen, self)) {
        o.moveDirection = 0;  // it comes down first, then the gap is crossed
        return;
    }
    // Right at the wall or the edge the jump is tried at once: a run-up is
    // only for when none clears it.
    const Ahead near = lookAhead(self, o.moveDirection, seen, nearGlance);
    const bool atIt = near == Ahead::Wall || near == Ahead::Danger;
    if (atIt || o.steps % jumpTryEvery == 0) {
        const JumpScript script = chooseJump(self, o.moveDirection, seen);
        if (script.found) {
            startJump(o, script, o.moveDirection);
            return;
        }
    }
    if (atIt) {
        const int back = -o.moveDirection;
        const Ahead behind = lookAhead(self, back, seen, nearGlance);
        o.backOffDirection = behind == Ahead::Danger ? 0 : back;
        o.backOffSteps = backOffTime;
        o.moveDirection = o.backOffDirection;
    }
}

// 5. A running jump: its own buttons, and its direction until it lands, as
// the jump was tried out.
std::uint16_t jumpButtons(Opponent& o, const SelfMotion& self)
{
    if (o.jumpStep < 0)
        return 0;
    const int direction = o.jumpDirection;
    const bool held = jumpHeldAt(o.jump, o.jumpStep);
    const bool walks = walksAt(o.jump, o.jumpStep);
    const int end = scriptEnd(o.jump);
    if (++o.jumpStep > end && (self.onGround || o.jumpStep > end + longestFlight))
        o.jumpStep = -1;
    o.moveDirection = walks ? direction : 0;
    return held ? ButtonJump : 0;
}

// 6. Never long on the spot in a live fight: a hop when it has stood too
// long, and a jump when its fighter has not moved for a while though it walks.
void keepMoving(Opponent& o, std::uint16_t buttons, const OpponentView& seen, const SelfMotion& self)
{
    const float seenX = selfIn(o, seen).x;
    if (std::fabs(seenX - o.stuckX) > stuckDistance || o.jumpStep >= 0) {
        o.stuckX = seenX;
        o.stuckSteps = 0;
    } else if (++o.stuckSteps >= stuckLimit && o.moveDirection != 0) {
        const JumpScript script = chooseJump(self, o.moveDirection, seen);
        if (script.found)
            startJump(o, script, o.moveDirection);
        else
            press(o.holds, ButtonJump, 0, hopHold);
        o.stuckSteps = 0;
    }
    if (buttons & (ButtonLeft | ButtonRight | ButtonJump)) {
        o.stillSteps = 0;
        return;
    }
    if (++o.stillSteps >= stillLimit) {
        press(o.holds, ButtonJump, 0, hopHold);
        o.stillSteps = 0;
    }
}

std::uint16_t moveButtons(int direction)
{
    return direction < 0 ? ButtonLeft : direction > 0 ? ButtonRight : 0;
}

FightInput answer(Opponent& o, std::uint16_t buttons)
{
    const FightInput input{buttons};
    o.presses[static_cast<std::size_t>((o.steps - 1) % static_cast<std::int64_t>(o.presses.size()))] = input;
    return input;
}

}  // namespace

Opponent makeOpponent(Strength strength, std::uint64_t matchSeed, int player)
{
    Opponent o;
    o.player = player == 0 ? 0 : 1;
    o.strength = strength;
    o.profile = profileOf(strength);
    o.random = seededRandom(matchSeed, o.player);
    o.views.resize(static_cast<std::size_t>(o.profile.delaySteps) + 1u);
    o.presses.resize(static_cast<std::size_t>(o.profile.delaySteps) + 1u);
    return o;
}

FightInput decideInput(Opponent& o, const OpponentView& now)
{
    const OpponentView* seen = remember(o, now);
    // Nothing is pressed before the fight is seen live, nor while its fighter
    // is down or just back and still glowing: the fight takes no buttons then.
    if (!seen || seen->phase != MatchPhase::Live || !selfIn(o, *seen).alive || selfIn(o, *seen).glowing) {
        releaseAll(o.holds);
        o.jumpStep = -1;
        o.moveDirection = 0;
        o.stillSteps = 0;
        o.untilDecision = 0;
        tickHolds(o.holds);
        return answer(o, 0);
    }
    const SelfMotion self = reckonSelf(o, *seen);
    if (--o.untilDecision <= 0 && o.jumpStep < 0)
        decide(o, *seen, self);
    climbOnto(o, *seen, self);
    watchTheWay(o, *seen, self);
    std::uint16_t buttons = jumpButtons(o, self);
    buttons = static_cast<std::uint16_t>(buttons | moveButtons(o.moveDirection) | tickHolds(o.holds));
    keepMoving(o, buttons, *seen, self);
    return answer(o, buttons);
}
