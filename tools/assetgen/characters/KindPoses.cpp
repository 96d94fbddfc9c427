#include "characters/KindPoses.h"

#include "characters/ActionPoses.h"
#include "characters/BodyPoses.h"

#include <algorithm>

namespace {

// How each kind carries its gear through the shared clips.
Pose holdGear(const FighterLook& look, Pose p, const std::string& clip, float t)
{
    const Build& b = look.build;
    const Vec shoulder = shoulderOf(p, b);
    switch (look.kind) {
    case Kind::Napollo:
        if (clip == "IDLE") {
            p.frontHand = p.hip + Vec(5.f, -3.f);
            p.gearAngle = -28.f;
        } else if (clip == "RUNNING") {
            p.frontHand = shoulder + Vec(4.f, 9.f);
            p.gearAngle = -38.f;
        } else if (clip == "JUMPING" || clip == "FALLING") {
            p.gearAngle = -62.f;
            return p;
        } else if (clip == "STUN") {
            p.gearAngle = 68.f;
            return p;
        } else if (clip == "DEFLECT") {
            p.gearAngle = -105.f;
            return p;
        } else if (clip == "DEATH") {
            p.gearAngle = -40.f + 45.f * t;
            return p;
        }
        p.backHand = p.frontHand + direction(p.gearAngle) * 9.f;
        return p;
    case Kind::Atoola:
        if (clip == "IDLE")
            p.gearAngle = 152.f;
        else if (clip == "RUNNING")
            p.gearAngle = 166.f;
        else if (clip == "JUMPING")
            p.gearAngle = -128.f;
        else if (clip == "FALLING")
            p.gearAngle = -160.f;
        else if (clip == "STUN")
            p.gearAngle = 100.f;
        else if (clip == "DEFLECT")
            p.gearAngle = -112.f;
        else if (clip == "DEATH")
            p.gearAngle = 150.f + 32.f * t;
        return p;
    case Kind::Gigachill:
        if (clip == "IDLE")
            p.frontHand = shoulder + Vec(7.f, 9.f);
        else if (clip == "RUNNING")
            p.frontHand = shoulder + Vec(8.f, 8.f);
        else if (clip == "DEATH")
            p.gearAngle = -90.f * std::min(1.f, t * 1.4f);
        return p;
    case Kind::Swapper:
        return p;
    }
    return p;
}

}  // namespace

Pose readyPose(const FighterLook& look) { return holdGear(look, idlePose(look.build, 0.f, false), "IDLE", 0.f); }

Pose poseForFrame(const FighterLook& look, const FrameSlot& slot)
{
    const Build& b = look.build;
    const float t = static_cast<float>(slot.index) / static_cast<float>(std::max(1, slot.length));
    const std::string& clip = slot.clip;
    if (clip == "ATTACKING" || clip == "ATTACK_RUN")
        return attackPose(look, slot, clip == "ATTACK_RUN");
    if (clip == "PARRY")
        return parryPose(look, slot);
    if (clip == "SHOOT")
        return shootPose(look, slot);
    if (clip == "DASH")
        return dashPose(look, slot);
    if (clip == "SEISME")
        return seismePose(look, slot);
    Pose body;
    if (clip == "RUNNING")
        body = runPose(b, t);
    else if (clip == "JUMPING")
        body = jumpPose(b, t);
    else if (clip == "FALLING")
        body = fallPose(b, t);
    else if (clip == "STUN")
        body = stunPose(b, t);
    else if (clip == "DEFLECT")
        body = deflectPose(b, t);
    else if (clip == "DEATH")
        body = deathPose(b, slot.length > 1 ? static_cast<float>(slot.index) / static_cast<float>(slot.length - 1)
                                            : 1.f);
    else
        body = idlePose(b, t, slot.length > 3 && slot.index == slot.length - 2);
    return holdGear(look, body, clip, t);
}
