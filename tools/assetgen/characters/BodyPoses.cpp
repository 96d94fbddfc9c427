#include "characters/BodyPoses.h"

#include <cmath>

namespace {

constexpr float tau = 6.2831853f;

// Hands hanging loosely beside the body.
void hangHands(Pose& p, const Build& b, float swing)
{
    const Vec shoulder = shoulderOf(p, b);
    const float drop = b.upperArm + b.forearm - 3.f;
    p.frontHand = shoulder + Vec(2.f + swing, drop);
    p.backHand = shoulder + Vec(-2.f - swing, drop);
}

// Chest and head stacked over the hip, leaning by `lean` art pixels.
void stackBody(Pose& p, const Build& b, float lean, float headLean)
{
    p.chest = p.hip + normalised(Vec(lean, -b.torsoLength)) * b.torsoLength;
    p.head = p.chest + normalised(Vec(headLean + 1.f, -b.neck)) * b.neck;
}

Pose lerpKeys(const Pose* keys, int count, float t)
{
    const float scaled = t * static_cast<float>(count - 1);
    int k = static_cast<int>(scaled);
    if (k >= count - 1)
        return keys[count - 1];
    return blendPoses(keys[k], keys[k + 1], scaled - static_cast<float>(k));
}

}  // namespace

Vec shoulderOf(const Pose& pose, const Build& build)
{
    return pose.chest + normalised(pose.hip - pose.chest) * (build.torsoRadius * 0.5f);
}

Pose blendPoses(const Pose& a, const Pose& b, float t)
{
    Pose p = a;
    auto lerp = [t](Vec x, Vec y) { return x + (y - x) * t; };
    p.hip = lerp(a.hip, b.hip);
    p.chest = lerp(a.chest, b.chest);
    p.head = lerp(a.head, b.head);
    p.frontHand = lerp(a.frontHand, b.frontHand);
    p.backHand = lerp(a.backHand, b.backHand);
    p.frontFoot = lerp(a.frontFoot, b.frontFoot);
    p.backFoot = lerp(a.backFoot, b.backFoot);
    // Gear turns the short way round.
    float turn = std::fmod(b.gearAngle - a.gearAngle, 360.f);
    if (turn > 180.f)
        turn -= 360.f;
    if (turn < -180.f)
        turn += 360.f;
    p.gearAngle = a.gearAngle + turn * t;
    p.gearReach = a.gearReach + (b.gearReach - a.gearReach) * t;
    return p;
}

Pose shifted(Pose p, Vec by)
{
    p.hip += by;
    p.chest += by;
    p.head += by;
    p.frontHand += by;
    p.backHand += by;
    p.frontFoot += by;
    p.backFoot += by;
    return p;
}

Pose standPose(const Build& b)
{
    Pose p;
    p.hip = {0.f, -b.hipHeight};
    stackBody(p, b, 1.f, 0.f);
    p.frontFoot = {4.f, footGround};
    p.backFoot = {-4.f, footGround};
    hangHands(p, b, 0.f);
    return p;
}

Pose idlePose(const Build& b, float t, bool blink)
{
    // Breathing: the chest and shoulders rise a pixel and settle again.
    const float breath = 0.5f - 0.5f * std::cos(tau * t);
    Pose p = standPose(b);
    p.hip.y += 0.6f * (1.f - breath);
    stackBody(p, b, 1.f, 0.f);
    p.chest.y -= breath * 0.9f;
    p.head.y -= breath * 0.9f;
    hangHands(p, b, breath * 0.8f);
    p.face = blink ? Face::Blink : Face::Open;
    p.cloth = t;
    return p;
}

Pose runPose(const Build& b, float t)
{
    const float phase = tau * t;
    const float stride = b.hipHeight * 0.42f;
    const float lift = b.hipHeight * 0.32f;
    Pose p;
    p.hip = {1.f, -b.hipHeight + 1.2f - 1.2f * std::fabs(std::sin(phase))};
    stackBody(p, b, 4.5f, 1.f);
    p.frontFoot = {1.f + stride * std::sin(phase), footGround - lift * std::fmax(0.f, std::cos(phase))};
    p.backFoot = {1.f - stride * std::sin(phase), footGround - lift * std::fmax(0.f, -std::cos(phase))};
    const Vec shoulder = shoulderOf(p, b);
    const float reach = b.upperArm + b.forearm - 4.f;
    p.frontHand = shoulder + Vec(-7.f * std::sin(phase) + 1.f, reach - 2.f - 2.f * std::sin(phase));
    p.backHand = shoulder + Vec(7.f * std::sin(phase) + 1.f, reach - 2.f + 2.f * std::sin(phase));
    p.cloth = t;
    // A puff where a foot strikes the ground.
    const float contact = std::fabs(std::sin(phase));
    if (contact > 0.95f) {
        p.dust = 2.5f;
        p.dustX = std::sin(phase) > 0.f ? p.frontFoot.x : p.backFoot.x;
    }
    return p;
}

Pose jumpPose(const Build& b, float t)
{
    Pose p;
    p.hip = {0.f, -b.hipHeight - 1.f};
    stackBody(p, b, 2.f, 1.f);
    p.frontFoot = {6.f, -b.hipHeight * 0.45f - t};
    p.backFoot = {-4.f, -1.5f - t};
    const Vec shoulder = shoulderOf(p, b);
    p.frontHand = shoulder + Vec(9.f, -4.f - t);
    p.backHand = shoulder + Vec(-7.f, 1.f);
    p.cloth = 0.25f + 0.5f * t;
    return p;
}

Pose fallPose(const Build& b, float t)
{
    Pose p;
    p.hip = {0.f, -b.hipHeight - 1.f};
    stackBody(p, b, 0.f, 0.f);
    p.frontFoot = {5.f, -1.f - t};
    p.backFoot = {-5.f, -4.f + t};
    const Vec shoulder = shoulderOf(p, b);
    p.frontHand = shoulder + Vec(8.f, -5.f + 2.f * t);
    p.backHand = shoulder + Vec(-8.f, -6.f - 2.f * t);
    p.cloth = 0.6f + 0.4f * t;
    return p;
}

Pose stunPose(const Build& b, float t)
{
    // Slumped and swaying, stars circling the head.
    const float sway = std::sin(tau * t);
    Pose p;
    p.hip = {0.f, -b.hipHeight + 2.f};
    stackBody(p, b, -1.f + sway, sway * 2.f);
    p.frontFoot = {6.f, footGround};
    p.backFoot = {-5.f, footGround};
    const Vec shoulder = shoulderOf(p, b);
    const float drop = b.upperArm + b.forearm - 2.f;
    p.frontHand = shoulder + Vec(4.f + sway, drop);
    p.backHand = shoulder + Vec(-1.f + sway, drop);
    p.face = Face::Dazed;
    p.stars = 3;
    p.starPhase = t;
    p.cloth = t;
    return p;
}

Pose deflectPose(const Build& b, float t)
{
    // Thrown back by a blow: leaning away, arms flung forward, a foot off the ground.
    Pose p;
    p.hip = {-1.f - t, -b.hipHeight - 1.f};
    stackBody(p, b, -6.f - 2.f * t, -3.f);
    p.frontFoot = {7.f, -5.f - 2.f * t};
    p.backFoot = {-4.f, footGround};
    const Vec shoulder = shoulderOf(p, b);
    p.frontHand = shoulder + Vec(9.f, -4.f - 3.f * t);
    p.backHand = shoulder + Vec(6.f, -9.f);
    p.face = Face::Blink;
    p.cloth = 0.5f + t * 0.5f;
    return p;
}

Pose deathPose(const Build& b, float t)
{
    // Recoil, knees give way, fall on the back, lie still.
    Pose keys[5];
    keys[0] = deflectPose(b, 0.f);
    keys[0].face = Face::Blink;

    Pose& buckle = keys[1];
    buckle.hip = {-1.f, -b.hipHeight * 0.62f};
    stackBody(buckle, b, -7.f, -3.f);
    buckle.frontFoot = {6.f, footGround};
    buckle.backFoot = {-2.f, footGround};
    buckle.frontHand = shoulderOf(buckle, b) + Vec(8.f, -3.f);
    buckle.backHand = shoulderOf(buckle, b) + Vec(-6.f, -6.f);

    Pose& falling = keys[2];
    falling.hip = {-4.f, -b.torsoRadius - 4.f};
    falling.chest = falling.hip + normalised(Vec(-1.f, -0.8f)) * b.torsoLength;
    falling.head = falling.chest + normalised(Vec(-1.f, -0.6f)) * b.neck;
    falling.frontFoot = {8.f, footGround};
    falling.backFoot = {4.f, -5.f};
    falling.frontHand = falling.chest + Vec(6.f, -8.f);
    falling.backHand = falling.chest + Vec(-6.f, -6.f);

    Pose& landed = keys[3];
    landed.hip = {-3.f, -b.torsoRadius - 1.5f};
    landed.chest = landed.hip + Vec(-b.torsoLength, -1.5f);
    landed.head = landed.chest + Vec(-b.neck, -b.headRadius + b.torsoRadius - 1.f);
    landed.frontFoot = {b.thigh + b.shin - 6.f, -7.f};
    landed.backFoot = {b.thigh + b.shin - 9.f, -4.f};
    landed.frontHand = landed.chest + Vec(4.f, -7.f);
    landed.backHand = landed.chest + Vec(-5.f, -3.f);

    Pose& still = keys[4];
    still.hip = {-3.f, -b.torsoRadius - 1.f};
    still.chest = still.hip + Vec(-b.torsoLength, 0.f);
    still.head = still.chest + Vec(-b.neck, -b.headRadius + b.torsoRadius);
    still.frontFoot = {b.thigh + b.shin - 5.f, footGround};
    still.backFoot = {b.thigh + b.shin - 8.f, footGround - 1.f};
    still.frontHand = still.chest + Vec(5.f, b.torsoRadius - 1.f);
    still.backHand = still.chest + Vec(-6.f, b.torsoRadius - 1.f);

    Pose p = lerpKeys(keys, 5, t);
    p.face = t < 0.3f ? Face::Blink : t < 0.85f ? Face::Dazed : Face::Dead;
    p.cloth = t;
    if (t > 0.5f && t < 0.9f) {
        p.dust = 4.f;
        p.dustX = -8.f;
    }
    return p;
}
