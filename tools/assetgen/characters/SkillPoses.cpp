#include "characters/ActionPoses.h"

#include "characters/BodyPoses.h"
#include "characters/FrameRules.h"

#include <algorithm>
#include <cmath>

Pose shootPose(const FighterLook& look, const FrameSlot& slot)
{
    const Build& b = look.build;
    const Pose ready = readyPose(look);
    Pose aim = standPose(b);
    aim.frontFoot.x += 2.f;
    aim.backFoot.x -= 2.f;
    aim.frontHand = shoulderOf(aim, b) + Vec(9.f, 3.f);
    aim.gearAngle = 0.f;
    aim.backHand = aim.frontHand + Vec(9.f, 0.f);
    aim.face = Face::Fierce;
    Pose p;
    switch (slot.index) {
    case 0:
        p = blendPoses(ready, aim, 0.7f);
        break;
    case 1:
        p = aim;
        p.flash = 5.f;
        break;
    case 2:
        p = shifted(aim, {-1.5f, 0.f});
        p.gearAngle = -10.f;
        p.flash = 2.5f;
        break;
    case 3:
        p = shifted(aim, {-1.f, 0.f});
        p.gearAngle = -5.f;
        break;
    default:
        p = blendPoses(aim, ready, static_cast<float>(slot.index - 3) / static_cast<float>(slot.length - 3));
        break;
    }
    p.backHand = p.frontHand + direction(p.gearAngle) * 9.f;
    return p;
}

Pose dashPose(const FighterLook& look, const FrameSlot& slot)
{
    const Build& b = look.build;
    const float t = static_cast<float>(slot.index) / static_cast<float>(slot.length);
    Pose p;
    p.hip = {4.f, -b.hipHeight + 5.f};
    p.chest = p.hip + normalised(Vec(10.f, -b.torsoLength + 4.f)) * b.torsoLength;
    p.head = p.chest + normalised(Vec(4.f, -b.neck)) * b.neck;
    p.frontFoot = {6.f, -4.f - t};
    p.backFoot = {-14.f, -7.f + t};
    const Vec shoulder = shoulderOf(p, b);
    p.frontHand = shoulder + Vec(-6.f, 7.f);
    p.gearAngle = 176.f;
    p.backHand = shoulder + Vec(-9.f, 3.f);
    p.ghosts = 3;
    p.face = Face::Fierce;
    p.cloth = 0.9f;
    return p;
}

Pose seismePose(const FighterLook& look, const FrameSlot& slot)
{
    const Build& b = look.build;
    const KindRules rules = kindRules(look.kind);
    const int rel = slot.frame - rules.impact;
    const Pose ready = readyPose(look);

    Pose crouch = standPose(b);
    crouch.hip.y += 4.f;
    crouch.chest += Vec(2.f, 4.f);
    crouch.head += Vec(2.f, 4.f);
    crouch.frontHand = shoulderOf(crouch, b) + Vec(5.f, 5.f);

    Pose airborne = jumpPose(b, 0.5f);
    airborne.frontHand = airborne.head + Vec(3.f, -9.f);
    airborne.backHand = airborne.head + Vec(-3.f, -8.f);

    Pose slam = crouch;
    slam.hip += Vec(3.f, 3.f);
    slam.chest = slam.hip + normalised(Vec(7.f, -b.torsoLength)) * b.torsoLength;
    slam.head = slam.chest + normalised(Vec(3.f, -b.neck)) * b.neck;
    slam.frontFoot = {9.f, footGround};
    slam.backFoot = {-8.f, footGround};
    slam.frontHand = {15.f, -9.f};
    slam.backHand = shoulderOf(slam, b) + Vec(-6.f, 6.f);
    slam.face = Face::Fierce;

    Pose p;
    if (rel <= -4) {
        p = blendPoses(ready, crouch, 0.8f);
    } else if (rel == -3) {
        p = shifted(airborne, {0.f, -7.f});
    } else if (rel == -2) {
        p = shifted(airborne, {1.f, -10.f});
    } else if (rel == -1) {
        p = shifted(blendPoses(airborne, slam, 0.6f), {1.f, -4.f});
        p.frontHand = shoulderOf(p, b) + Vec(10.f, 2.f);
    } else if (rel <= 3) {
        // Impact, then the shock running out along the ground.
        p = slam;
        const float rings[] = {6.f, 14.f, 24.f, 34.f};
        p.shockwave = rings[rel];
        p.dust = rel <= 1 ? 7.f - 2.f * rel : 0.f;
        p.dustX = slam.frontHand.x;
        if (rel == 0)
            p.flash = 4.f;
    } else {
        p = blendPoses(slam, ready, 0.6f);
    }
    return p;
}
