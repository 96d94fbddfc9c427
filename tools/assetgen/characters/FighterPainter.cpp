#include "characters/FighterPainter.h"

#include "Canvas.h"
#include "characters/ArtCanvas.h"
#include "characters/BodyPoses.h"
#include "characters/FighterGear.h"
#include "characters/FighterEffects.h"

#include <algorithm>
#include <cmath>

namespace {

// One art pixel becomes this many picture pixels each way.
constexpr int artScale = 2;

Tones dimmed(const Tones& t)
{
    return {shade(t.dark, 0.8f), shade(t.base, 0.8f), shade(t.light, 0.8f)};
}

// A two-bone limb; returns where it ended (the hand or ankle).
Vec paintLimb(ArtCanvas& canvas, Vec root, Vec target, float upper, float lower, float bend, float radius,
              const Tones& upperTones, const Tones& lowerTones)
{
    Vec end;
    const Vec joint = limbJoint(root, target, upper, lower, bend, &end);
    paintCapsule(canvas, root, joint, radius, upperTones);
    paintCapsule(canvas, joint, end, radius * 0.9f, lowerTones);
    return end;
}

void paintLeg(ArtCanvas& canvas, const FighterLook& look, const Pose& pose, bool front)
{
    const Build& b = look.build;
    const Vec foot = front ? pose.frontFoot : pose.backFoot;
    const Tones cloth = front ? look.deep : dimmed(look.deep);
    const Tones boot = front ? look.leather : dimmed(look.leather);
    const float radius = std::min(b.limbRadius, 2.9f);
    const Vec root = pose.hip + Vec(front ? 1.f : -1.f, 0.f);
    const Vec ankle = paintLimb(canvas, root, foot + Vec(0.f, -1.f), b.thigh, b.shin, -1.f, radius, cloth, cloth);
    const Vec sole = ankle + Vec(0.f, 1.f);
    const float bootRadius = look.kind == Kind::Gigachill ? 1.95f : 1.6f;
    paintCapsule(canvas, sole + Vec(-0.5f, 0.f), sole + Vec(3.f, 0.f), bootRadius, boot);
}

void paintArm(ArtCanvas& canvas, const FighterLook& look, const Pose& pose, bool front)
{
    const Build& b = look.build;
    const Tones sleeve = front ? look.team : dimmed(look.team);
    const Tones hand = front ? look.skin : dimmed(look.skin);
    const Vec shoulder = shoulderOf(pose, b) + Vec(front ? 1.f : -1.f, 0.f);
    const Vec end = paintLimb(canvas, shoulder, front ? pose.frontHand : pose.backHand, b.upperArm, b.forearm, 1.f,
                              b.limbRadius * 0.95f, sleeve, sleeve);
    paintEllipse(canvas, end, b.handRadius, b.handRadius, 0.f, look.kind == Kind::Gigachill ? look.leather : hand);
}

void paintTorso(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    const Build& b = look.build;
    if (look.kind == Kind::Gigachill) {
        // A heavy: tabard below, a broad breastplate above.
        paintCapsule(canvas, pose.hip, pose.chest, b.torsoRadius, look.deep);
        const Vec down = normalised(pose.hip - pose.chest);
        paintEllipse(canvas, pose.chest + down * (b.torsoRadius * 0.7f), b.torsoRadius + 1.f, b.torsoRadius * 0.95f,
                     0.f, look.team);
    } else {
        paintCapsule(canvas, pose.hip, pose.chest, b.torsoRadius, look.team);
    }
    // Belt across the waist.
    const Vec up = normalised(pose.chest - pose.hip);
    const Vec side(-up.y, up.x);
    const float r = b.torsoRadius - 0.2f;
    paintPolygon(canvas,
                 {pose.hip + up * 1.f + side * r, pose.hip + up * 1.f - side * r, pose.hip + up * 2.6f - side * r,
                  pose.hip + up * 2.6f + side * r},
                 look.kind == Kind::Gigachill ? look.metal : look.leather, sf::Color::Transparent);
}

void paintFace(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    const float r = look.build.headRadius;
    // Eyes sit just under the cap, helmet or hood rim.
    const float eyeDrop[] = {0.9f, 0.5f, 0.7f, 0.8f};
    const Vec eye = pose.head + Vec(r * 0.45f, eyeDrop[static_cast<int>(look.kind)]);
    const int i = static_cast<int>(std::floor(eye.x)) + ArtCanvas::originX;
    const int j = static_cast<int>(std::floor(eye.y)) + ArtCanvas::originY;
    const sf::Color c = look.eyes;
    if (look.kind == Kind::Swapper) {
        // Two lights in the dark of the hood.
        if (pose.face == Face::Dead || pose.face == Face::Blink) {
            canvas.put(i - 1, j, shade(c, 0.6f));
            canvas.put(i + 1, j, shade(c, 0.6f));
        } else {
            canvas.put(i - 1, j, c);
            canvas.put(i + 1, j, c);
            canvas.put(i - 1, j - 1, sf::Color(255, 255, 255));
        }
        return;
    }
    switch (pose.face) {
    case Face::Open:
        canvas.put(i, j, c);
        canvas.put(i, j + 1, c);
        break;
    case Face::Fierce:
        canvas.put(i, j, c);
        canvas.put(i, j + 1, c);
        canvas.put(i - 1, j - 1, c);
        canvas.put(i, j - 1, c);
        canvas.put(i + 1, j - 2, c);
        break;
    case Face::Blink:
        canvas.put(i - 1, j + 1, c);
        canvas.put(i, j + 1, c);
        break;
    case Face::Dazed:
        for (int dj = -1; dj <= 1; ++dj)
            for (int di = -1; di <= 1; ++di)
                if (di != 0 || dj != 0)
                    canvas.put(i + di, j + dj, (di + dj) % 2 == 0 ? c : shade(c, 2.f));
        break;
    case Face::Dead:
        for (int k = -1; k <= 1; ++k) {
            canvas.put(i + k, j + k, c);
            canvas.put(i + k, j - k, c);
        }
        break;
    }
}

void paintBody(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    paintGearBehind(canvas, look, pose);
    paintArm(canvas, look, pose, false);
    paintLeg(canvas, look, pose, false);
    paintLeg(canvas, look, pose, true);
    paintTorso(canvas, look, pose);
    paintEllipse(canvas, pose.head, look.build.headRadius, look.build.headRadius, 0.f, look.skin);
    paintHeadGear(canvas, look, pose);
    paintFace(canvas, look, pose);
    paintGearBeforeFrontArm(canvas, look, pose);
    paintArm(canvas, look, pose, true);
    paintGearAfterFrontArm(canvas, look, pose);
}

}  // namespace

sf::Image paintFighter(const FighterLook& look, const Pose& pose)
{
    ArtCanvas canvas;
    if (pose.ghosts > 0) {
        ArtCanvas ghost;
        paintBody(ghost, look, pose);
        paintAfterImages(canvas, ghost, look, pose);
    }
    paintEffectsBehind(canvas, look, pose);
    paintBody(canvas, look, pose);
    paintEffectsInFront(canvas, look, pose);
    // The ground line of the art (row 76) lands on the hitbox's bottom edge.
    const int feet = static_cast<int>(std::floor(framePictureSize / 2.f + look.hitboxHeight / 2.f));
    return enlarge(canvas.image, framePictureSize, framePictureSize, artScale, 0, feet - ArtCanvas::originY * artScale);
}
