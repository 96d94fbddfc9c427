#include "characters/ActionPoses.h"

#include "characters/BodyPoses.h"
#include "characters/FrameRules.h"

#include <algorithm>
#include <cmath>

namespace {

// A blow in three beats: wind-up key, strike key (at the start and the end
// of the hitting frames), then back towards the ready pose.
Pose swing(const Pose& ready, const Pose& windup, const Pose& strikeFrom, const Pose& strikeTo, Beat beat)
{
    switch (beat.stage) {
    case Stage::Before:
        return blendPoses(ready, windup, 0.35f + 0.65f * beat.t);
    case Stage::During:
        return blendPoses(strikeFrom, strikeTo, beat.t);
    case Stage::After:
        return blendPoses(strikeTo, ready, beat.t * 0.8f);
    }
    return ready;
}

Pose lunge(const Build& b, float forward, float lean)
{
    Pose p = standPose(b);
    p.hip = {forward, -b.hipHeight + 1.5f};
    p.chest = p.hip + normalised(Vec(lean, -b.torsoLength)) * b.torsoLength;
    p.head = p.chest + normalised(Vec(lean * 0.3f + 1.f, -b.neck)) * b.neck;
    p.frontFoot = {forward + 8.f, footGround};
    p.backFoot = {forward - 9.f, footGround};
    return p;
}

// A blade or bayonet swing: where the hand and the gear are wound up, and
// how they travel through the hitting frames.
struct SwingShape {
    Vec windupHand;    // from the hip, or from the head for an overhead swing
    bool overhead;
    float windupAngle;
    Vec strikeHand;    // from the lunge's hip x and chest y
    float fromAngle, toAngle;
    float handDrift;   // vertical travel of the hand through the blow
};

// Bayonet thrust: the rifle drawn back, then driven straight ahead.
const SwingShape napolloThrust = {{-4.f, -6.f}, false, -6.f, {12.f, 9.f}, 0.f, 3.f, 0.f};
// Rising bayonet slash out of the run.
const SwingShape napolloRisingSlash = {{0.f, 1.f}, false, 50.f, {13.f, 8.f}, 22.f, -30.f, -3.f};
// Overhead cut: blade raised behind the head, brought down ahead.
const SwingShape atoolaOverheadCut = {{-5.f, -5.f}, true, -140.f, {14.f, 5.f}, -28.f, 32.f, 3.f};
// Rising cut: blade trailing low, swept up ahead.
const SwingShape atoolaRisingCut = {{-5.f, 2.f}, false, 150.f, {14.f, 9.f}, 32.f, -32.f, -4.f};

void shapeSwing(const SwingShape& shape, Pose& windup, Pose& from, Pose& to)
{
    windup.frontHand = (shape.overhead ? windup.head : windup.hip) + shape.windupHand;
    windup.gearAngle = shape.windupAngle;
    from.frontHand = {from.hip.x + shape.strikeHand.x, from.chest.y + shape.strikeHand.y};
    from.gearAngle = shape.fromAngle;
    to = from;
    to.gearAngle = shape.toAngle;
    to.frontHand.y += shape.handDrift;
}

}  // namespace

Pose attackPose(const FighterLook& look, const FrameSlot& slot, bool running)
{
    const Build& b = look.build;
    const KindRules rules = kindRules(look.kind);
    const Beat beat = beatOf(slot, rules.hits[running ? 1 : 0]);
    const Pose ready = readyPose(look);
    Pose windup = standPose(b);
    Pose from, to;
    switch (look.kind) {
    case Kind::Napollo: {
        windup.hip.x -= 1.f;
        windup.chest.x -= 2.f;
        windup.head.x -= 2.f;
        from = lunge(b, 3.f, 5.f);
        shapeSwing(running ? napolloRisingSlash : napolloThrust, windup, from, to);
        if (!running) {
            from.gearReach = 4.f;
            to.gearReach = 7.f;
        }
        for (Pose* p : {&windup, &from, &to})
            p->backHand = p->frontHand + direction(p->gearAngle) * 9.f;
        break;
    }
    case Kind::Atoola: {
        from = lunge(b, 3.f, 6.f);
        shapeSwing(running ? atoolaRisingCut : atoolaOverheadCut, windup, from, to);
        windup.backHand = windup.frontHand + Vec(-2.f, 2.f);
        from.backHand = shoulderOf(from, b) + Vec(-8.f, 5.f);
        to.backHand = from.backHand;
        break;
    }
    case Kind::Gigachill: {
        // Shield bash: the shield pulled to the chest, then rammed ahead.
        windup.hip.x -= 1.5f;
        windup.chest.x -= 3.f;
        windup.head.x -= 3.f;
        windup.frontHand = shoulderOf(windup, b) + Vec(1.f, 6.f);
        from = lunge(b, running ? 7.f : 6.f, running ? 9.f : 6.f);
        from.frontHand = shoulderOf(from, b) + Vec(b.upperArm + b.forearm - 1.f, running ? 6.f : 3.f);
        from.gearReach = 1.f;
        to = from;
        to.gearReach = 3.f;
        if (running) {
            from.dust = to.dust = 4.f;
            from.dustX = to.dustX = from.backFoot.x;
        }
        break;
    }
    case Kind::Swapper: {
        // A palm strike that bends the air but moves nothing.
        windup.frontHand = shoulderOf(windup, b) + Vec(-4.f, 6.f);
        from = lunge(b, 2.f, 4.f);
        from.frontHand = shoulderOf(from, b) + Vec(b.upperArm + b.forearm - 1.f, running ? -3.f : 2.f);
        to = from;
        to.ripple = 1.f;
        break;
    }
    }
    Pose p = swing(ready, windup, from, to, beat);
    if (beat.stage == Stage::During) {
        p.face = Face::Fierce;
        const Vec grip = p.frontHand;
        switch (look.kind) {
        case Kind::Napollo:
            p.smears.push_back({grip, 30.f, running ? 30.f : -4.f, p.gearAngle + (running ? 0.f : 4.f), 3.f});
            break;
        case Kind::Atoola:
            p.smears.push_back({grip, 29.f, running ? 60.f : -100.f, p.gearAngle, 6.f});
            break;
        case Kind::Gigachill:
            p.smears.push_back({grip + Vec(4.f + p.gearReach, 0.f), 12.f + 4.f * beat.t, -62.f, 62.f, 3.f});
            break;
        case Kind::Swapper:
            p.ripple = 4.f + 5.f * beat.t;
            break;
        }
    }
    p.cloth = slot.index / static_cast<float>(slot.length);
    return p;
}

Pose parryPose(const FighterLook& look, const FrameSlot& slot)
{
    const Build& b = look.build;
    const Beat beat = beatOf(slot, kindRules(look.kind).parry);
    const Pose ready = readyPose(look);
    Pose guard = standPose(b);
    guard.hip.y += 1.f;
    guard.backFoot.x -= 2.f;
    const Vec shoulder = shoulderOf(guard, b);
    switch (look.kind) {
    case Kind::Napollo:
        guard.frontHand = shoulder + Vec(9.f, 8.f);
        guard.gearAngle = -84.f;
        guard.backHand = guard.frontHand + direction(guard.gearAngle) * 10.f;
        break;
    case Kind::Atoola:
        guard.frontHand = shoulder + Vec(9.f, 6.f);
        guard.gearAngle = -96.f;
        guard.backHand = guard.frontHand + Vec(-1.f, 2.f);
        break;
    case Kind::Gigachill:
        guard.frontHand = shoulder + Vec(11.f, 2.f);
        guard.backFoot.x -= 2.f;
        break;
    case Kind::Swapper:
        guard.frontHand = shoulder + Vec(12.f, 1.f);
        break;
    }
    Pose p;
    switch (beat.stage) {
    case Stage::Before:
        p = blendPoses(ready, guard, beat.t);
        break;
    case Stage::During:
        p = guard;
        p.guard = 1.f - 0.5f * beat.t;
        p.face = Face::Fierce;
        if (look.kind == Kind::Swapper)
            p.ripple = 9.f;
        break;
    case Stage::After:
        p = blendPoses(guard, ready, beat.t);
        break;
    }
    return p;
}
