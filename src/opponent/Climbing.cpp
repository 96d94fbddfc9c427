#include "opponent/Climbing.h"

#include <cmath>

namespace {

constexpr float takeOffRoom = 40.f;  // px out from under a ledge's end to jump up onto it
constexpr float takeOffSpot = 16.f;  // px from the take-off spot that count as on it
constexpr float climbRange = 360.f;  // px across from a ledge within which a climb onto it is tried
constexpr int climbTryEvery = 6;     // steps between two tries of a climb

// The way to walk to jump onto `to` from `here`: to the nearer spot just out
// beyond one of its ends that the ground here reaches, and none once there;
// toward it when neither end has such a spot.
int takeOffDirection(const Ledge& to, const Ledge& here, const SelfMotion& self)
{
    const float half = self.width / 2.f;
    const float leftOut = to.left - half - takeOffRoom, rightOut = to.right + half + takeOffRoom;
    const bool leftFits = leftOut > here.left + half, rightFits = rightOut < here.right - half;
    if (!leftFits && !rightFits) {
        if (self.x < to.left - half || self.x > to.right + half)
            return self.x < to.left ? 1 : -1;
        return 0;
    }
    const bool left = leftFits && (!rightFits || std::fabs(self.x - leftOut) < std::fabs(rightOut - self.x));
    const float spot = left ? leftOut : rightOut;
    if (std::fabs(spot - self.x) < takeOffSpot)
        return 0;
    return spot > self.x ? 1 : -1;
}

}  // namespace

void planClimb(Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    o.climbTo = {};
    const FighterView& foe = seen.fighters[static_cast<std::size_t>(1 - o.player)];
    const bool atFoe = goesForFoe(o.errand);
    if (!atFoe || !self.onGround || !foe.alive)
        return;
    const Ledge here = ledgeBelow(seen, self.x, self.feet, self.width / 2.f);
    const Ledge there = ledgeBelow(seen, foe.x, foe.y + foe.height / 2.f, foe.onGround ? foe.width / 2.f : 0.f);
    o.climbTo = nextLedgeUp(seen, here, there);
    if (o.climbTo.found)
        o.moveDirection = takeOffDirection(o.climbTo, here, self);
}

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
