#include "opponent/Opponent.h"

#include "opponent/Climbing.h"
#include "opponent/Fighting.h"
#include "opponent/Waiting.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int shortestPress = 18;        // steps a tap stays down (60 ms)
constexpr int longestPress = 40;         // steps (133 ms)
constexpr int stillLimit = 600;          // steps (2 s) standing before it moves anyway
constexpr int hopHold = 30;              // steps Jump is held for a hop on the spot
constexpr float stuckDistance = 8.f;     // px: moving less than this is not moving
constexpr int stuckLimit = 300;          // steps (1 s) walking without moving before it jumps
constexpr float closeToFoe = 70.f;       // px: nearer than this it stops walking into the other fighter
constexpr float farGlance = 0.2f;        // s of walking ahead in which it looks for a jump
constexpr float nearGlance = 0.05f;      // s of walking ahead that is too close to go on
constexpr int jumpTryEvery = 3;          // steps between two tries of the jumps
constexpr int backOffTime = 60;          // steps (200 ms) of run-up
constexpr float goalReach = 60.f;        // px from the goal's middle at which it jumps for it
constexpr float carryHeight = 100.f;     // px a carried flag rides above its carrier's centre
constexpr float flagHalfHeight = 50.f;   // px
constexpr int atoolaKind = 1;            // the fighter whose skill is a dash
constexpr float sameGround = 32.f;       // px of feet height that count as the same ground
constexpr int napolloKind = 0;           // the fighter whose skill is a shot
constexpr float shootingDistance = 320.f; // px Napollo keeps from the other fighter while it has rounds
constexpr float retreatRoom = 200.f;     // px of level behind Napollo it needs to back off
constexpr int longestFlight = 600;       // steps (2 s) a jump is steered before it is given up
constexpr float meetingDistance = 240.f; // px: the two fighters this near have met
constexpr int longestChase = 2400;       // steps (8 s) of running after the other fighter without meeting it
constexpr int shortestHold = 240;        // steps (0.8 s) it then stands its ground, at least
constexpr int longestHold = 540;         // steps (1.8 s), at most: less than it stands before a hop

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

// 2. What it goes by: the other fighter and the world around as they were
// `delay` ago, and its own fighter as it is now. A person sees the fight late,
// but knows where their own fighter stands and what their hands are pressing,
// so its own jumps and walks are steered from its present motion.
OpponentView sightOf(const Opponent& o, const OpponentView& seen, const OpponentView& now)
{
    OpponentView sight = seen;
    sight.fighters[static_cast<std::size_t>(o.player)] = selfIn(o, now);
    return sight;
}

SelfMotion senseSelf(Opponent& o, const OpponentView& sight)
{
    SelfMotion motion = motionOf(selfIn(o, sight));
    clearOfCeiling(motion, sight);
    blockWith(motion, sight.fighters[static_cast<std::size_t>(1 - o.player)]);
    motion.jumpHeld = o.lastPress.held(ButtonJump);
    o.groundSteps = motion.onGround ? o.groundSteps + 1 : 0;
    motion.groundSteps = o.groundSteps;
    return motion;
}

int walkDirection(const Route& route, const FighterView& self, const SelfMotion& motion, const FighterView& foe,
                  const OpponentView& seen)
{
    const bool atFoe = goesForFoe(route.errand);
    const float x = motion.x;
    // Napollo with rounds left keeps a shot's distance: its swing only throws
    // the other fighter off, its shots bring it down. It backs off only over
    // open ground: at a wall, a ledge or the level's end behind it, it stands
    // and shoots.
    const bool level = std::fabs(foe.y - self.y) < sameGround;
    if (atFoe && self.kind == napolloKind && self.ammo > 0 && foe.alive && level) {
        const int toFoe = foe.x > x ? 1 : -1;
        const float behind = x - static_cast<float>(toFoe) * retreatRoom;
        const bool inView = behind > seen.sectionLeft && behind < seen.sectionLeft + seen.sectionWidth;
        const bool roomBehind = inView && lookAhead(motion, -toFoe, seen, farGlance) == Ahead::Clear;
        if (std::fabs(foe.x - x) < shootingDistance && roomBehind)
            return -toFoe;
        return self.facing == toFoe ? 0 : toFoe;
    }
    if (atFoe && level && std::fabs(foe.x - x) < closeToFoe) {
        const int toFoe = foe.x > x ? 1 : -1;
        return self.facing == toFoe ? 0 : toFoe;  // turn to face it, then stand and fight
    }
    return route.direction;
}

int holdTime(Opponent& o)
{
    return drawBetween(o.random, shortestPress, longestPress);
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

// Two fighters each running to where the other was seen can pass each other
// for ever (one along the ground, one over the platforms). After a long chase
// without meeting, it stands its ground a moment and lets the other come.
void countTheChase(Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    const FighterView& foe = seen.fighters[static_cast<std::size_t>(1 - o.player)];
    const bool chasing = goesForFoe(o.errand) && foe.alive;
    const bool met = std::hypot(foe.x - self.x, foe.y + foe.height / 2.f - self.feet) < meetingDistance;
    o.chaseSteps = chasing && !met ? o.chaseSteps + 1 : 0;
    if (o.holdSteps > 0)
        --o.holdSteps;
    if (o.chaseSteps >= longestChase) {
        o.holdSteps = drawBetween(o.random, shortestHold, longestHold);
        o.chaseSteps = 0;
    }
}

// 3. A decision: the errand, the walk and the presses of the fight.
void decide(Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    o.untilDecision = o.profile.decideEvery + drawBetween(o.random, -o.profile.decideJitter, o.profile.decideJitter);
    const Route route = planRoute(seen, o.player, self.x);
    o.errand = route.errand;
    const FighterView& foe = seen.fighters[static_cast<std::size_t>(1 - o.player)];
    o.moveDirection = walkDirection(route, selfIn(o, seen), self, foe, seen);
    if (goesForFoe(route.errand))
        o.moveDirection = stopAtTheEnd(o.moveDirection, seen, self, foe);
    planClimb(o, seen, self);
    if (o.holdSteps > 0 && goesForFoe(route.errand) && self.onGround) {
        o.moveDirection = 0;
        o.climbTo = {};
    }
    reachForGoal(o, seen, self);
    // A swing, a parry or a shot takes the steering away for a moment: none
    // while a ledge or a hazard is near on the way, nor while the fighter,
    // let go, would slide into one.
    const bool nearLedge = o.moveDirection != 0 && lookAhead(self, o.moveDirection, seen, farGlance) != Ahead::Clear;
    if (nearLedge || o.jumpStep >= 0 || !self.onGround || slidesIntoDanger(self, 0, seen))
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
    for (int way : wayFirst(o.moveDirection))
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
    if (foeLeapsAtIt(o, seen, self) || foeComesOver(o, seen, self)) {
        o.moveDirection = 0;  // it comes over or down first, then the gap is crossed
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

// 5. On the ground, never a walk or a stop too late to keep out of a pit or
// off spikes (a fighter slides on after it is let go): for this step another
// way is pressed. The plan stays, so a jump across is still looked for.
int steerOffDanger(const Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    if (o.jumpStep >= 0 || !self.onGround || !slidesIntoDanger(self, o.moveDirection, seen))
        return o.moveDirection;
    for (int way : wayFirst(o.moveDirection))
        if (way != o.moveDirection && !slidesIntoDanger(self, way, seen))
            return way;
    return o.moveDirection;
}

// 6. A running jump: its own buttons, and its direction until it lands, as
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

// 7. Never long on the spot in a live fight: a hop when it has stood too
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
    o.lastPress = FightInput{buttons};
    return o.lastPress;
}

}  // namespace

bool goesForFoe(Errand errand)
{
    return errand == Errand::Fight || errand == Errand::StopRunner;
}

void startJump(Opponent& o, const JumpScript& script, int direction)
{
    releaseAll(o.holds);  // a swing about to start would hold the fighter on the ledge
    o.jump = script;
    o.jumpStep = 0;
    o.jumpDirection = direction;
}

Opponent makeOpponent(Strength strength, std::uint64_t matchSeed, int player)
{
    Opponent o;
    o.player = player == 0 ? 0 : 1;
    o.strength = strength;
    o.profile = profileOf(strength);
    o.random = seededRandom(matchSeed, o.player);
    o.views.resize(static_cast<std::size_t>(o.profile.delaySteps) + 1u);
    return o;
}

FightInput decideInput(Opponent& o, const OpponentView& now)
{
    const OpponentView* seen = remember(o, now);
    // Nothing is pressed before the fight is seen live, nor while its fighter
    // is down or just back and still glowing: the fight takes no buttons then.
    if (!seen || seen->phase != MatchPhase::Live || !selfIn(o, now).alive || selfIn(o, now).glowing) {
        releaseAll(o.holds);
        o.jumpStep = -1;
        o.moveDirection = 0;
        o.stillSteps = 0;
        o.untilDecision = 0;
        o.groundSteps = 0;
        tickHolds(o.holds);
        return answer(o, 0);
    }
    const OpponentView sight = sightOf(o, *seen, now);
    const SelfMotion self = senseSelf(o, sight);
    countTheChase(o, sight, self);
    if (--o.untilDecision <= 0 && o.jumpStep < 0)
        decide(o, sight, self);
    climbOnto(o, sight, self);
    watchTheWay(o, sight, self);
    const int steer = steerOffDanger(o, sight, self);
    std::uint16_t buttons = jumpButtons(o, self);
    buttons = static_cast<std::uint16_t>(buttons | moveButtons(o.jumpStep >= 0 ? o.moveDirection : steer) |
                                         tickHolds(o.holds));
    keepMoving(o, buttons, sight, self);
    return answer(o, buttons);
}
