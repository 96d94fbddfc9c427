#include "characters/FighterGear.h"

#include "Canvas.h"
#include "characters/BodyPoses.h"

#include <cmath>

namespace {

constexpr float tau = 6.2831853f;

// Perpendicular to `u`, pointing to the fighter's back when u points up.
Vec backOf(Vec u) { return {u.y, -u.x}; }

Vec gripOf(const Pose& pose) { return pose.frontHand + direction(pose.gearAngle) * pose.gearReach; }

void paintRifle(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    const Vec u = direction(pose.gearAngle);
    const Vec g = gripOf(pose);
    const Vec side(-u.y, u.x);
    paintCapsule(canvas, g - u * 9.f + side * 0.5f, g - u * 2.f, 2.1f, look.leather);
    paintCapsule(canvas, g - u * 3.f, g + u * 9.f, 2.5f, tonesOf(sf::Color(64, 70, 88)));
    paintCapsule(canvas, g + u * 2.f - side * 0.6f, g + u * 7.f - side * 0.6f, 1.1f, tonesOf(look.glow),
                 sf::Color::Transparent);
    paintCapsule(canvas, g + u * 9.f, g + u * 19.f, 1.3f, look.metal);
    paintPolygon(canvas, {g + u * 18.f + side * 1.4f, g + u * 26.f, g + u * 18.f - side * 0.6f},
                 tonesOf(sf::Color(214, 224, 236)));
}

void paintBlade(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    const Vec u = direction(pose.gearAngle);
    const Vec g = gripOf(pose);
    const Vec side(-u.y, u.x);
    paintCapsule(canvas, g - u * 3.5f, g, 1.1f, look.leather);
    const Tones steel = tonesOf(sf::Color(206, 218, 232));
    paintPolygon(canvas, {g + u * 1.f + side * 1.7f, g + u * 27.f + side * 1.3f, g + u * 32.f,
                          g + u * 27.f - side * 0.9f, g + u * 1.f - side * 1.5f},
                 steel);
    // The edge glows in the team's colour.
    for (int k = 3; k < 29; ++k) {
        canvas.putAt(g + u * static_cast<float>(k) + side * 1.2f, look.glow);
    }
    paintCapsule(canvas, g + side * 3.f, g - side * 3.f, 0.9f, tonesOf(sf::Color(226, 184, 84)));
}

void paintShield(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    // Upright on the arm; gearAngle tips it over (it lies flat on a fallen heavy).
    const Vec c = shieldCentre(pose);
    const float tilt = pose.gearAngle;
    paintEllipse(canvas, c, 12.f, 6.f, tilt + 90.f, look.metal);
    paintEllipse(canvas, c + Vec(0.3f, 0.f), 10.2f, 4.4f, tilt + 90.f, look.team, sf::Color::Transparent);
    paintEllipse(canvas, c + Vec(0.5f, 0.f), 2.6f, 2.2f, tilt + 90.f, look.metal);
    // A chevron emblem above and below the boss.
    const Vec along = direction(tilt + 90.f), across = direction(tilt);
    for (int k = -1; k <= 1; ++k) {
        const float side = static_cast<float>(k), bend = static_cast<float>(std::abs(k));
        for (const Vec& p : {c + across * side - along * (6.f - bend), c + across * side + along * (5.f - bend)})
            canvas.putAt(p + Vec(0.5f, 0.f), look.glow);
    }
}

void paintScarfTails(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    const float r = look.build.headRadius;
    const Vec knot = pose.head + Vec(-r + 0.5f, -r * 0.4f);
    for (int k = 0; k < 2; ++k) {
        const float wave = std::sin(tau * pose.cloth + static_cast<float>(k) * 1.7f);
        const float len = k == 0 ? 7.f : 5.f;
        const Vec mid = knot + Vec(-len, 1.5f + wave * 1.5f + static_cast<float>(k) * 2.f);
        const Vec end = mid + Vec(-len * 0.8f, 1.f - wave * 1.5f + static_cast<float>(k));
        paintCapsule(canvas, knot, mid, 1.2f, look.team);
        paintCapsule(canvas, mid, end, 1.f, look.team);
    }
}

void paintCloak(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    const Vec up = normalised(pose.chest - pose.hip);
    const Vec back = backOf(up);
    const float flutter = 2.f * std::sin(tau * pose.cloth);
    paintPolygon(canvas,
                 {pose.chest + back * 1.f, pose.chest + back * 4.f + up * 1.f,
                  pose.hip + back * (9.f + flutter) - up * 8.f, pose.hip + back * (3.f + flutter * 0.5f) - up * 10.f,
                  pose.hip - back * 3.f - up * 4.f},
                 look.deep);
}

void paintPack(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    const Vec up = normalised(pose.chest - pose.hip);
    const Vec back = backOf(up);
    const Vec c = pose.hip + up * (look.build.torsoLength * 0.62f) + back * (look.build.torsoRadius + 1.5f);
    paintPolygon(canvas, {c - up * 5.f - back * 2.5f, c - up * 5.f + back * 3.f, c + up * 4.f + back * 3.f,
                          c + up * 4.5f - back * 2.5f},
                 tonesOf(sf::Color(92, 98, 70)));
    paintCapsule(canvas, c + back * 3.2f - up * 1.f, c + back * 3.2f + up * 2.f, 0.8f, tonesOf(look.glow),
                 sf::Color::Transparent);
}

}  // namespace

Vec rifleMuzzle(const Pose& pose) { return gripOf(pose) + direction(pose.gearAngle) * 20.f; }

Vec shieldCentre(const Pose& pose) { return pose.frontHand + Vec(3.f + pose.gearReach, 0.f); }

void paintCrystal(ArtCanvas& canvas, Vec c, float w, float h, int player)
{
    const sf::Color glow = teamGlow(player);
    glowDisc(canvas, c, h + 1.5f, sf::Color(glow.r, glow.g, glow.b, 60));
    paintPolygon(canvas, {c + Vec(0.f, -h), c + Vec(w, 0.f), c + Vec(0.f, h), c + Vec(-w, 0.f)},
                 tonesOf(mix(teamColour(player), glow, 0.35f)));
    canvas.putAt(c + Vec(-w * 0.3f, -h * 0.35f), sf::Color::White);
}

void paintGearBehind(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    switch (look.kind) {
    case Kind::Napollo:
        paintPack(canvas, look, pose);
        break;
    case Kind::Atoola:
        paintScarfTails(canvas, look, pose);
        break;
    case Kind::Swapper:
        paintCloak(canvas, look, pose);
        break;
    case Kind::Gigachill:
        break;
    }
}

void paintHeadGear(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    const float r = look.build.headRadius;
    const Vec h = pose.head;
    switch (look.kind) {
    case Kind::Napollo:
        paintEllipse(canvas, h + Vec(-0.3f, -r * 0.55f), r + 0.4f, r * 0.6f, 0.f, look.team);
        paintCapsule(canvas, h + Vec(r * 0.2f, -r * 0.4f), h + Vec(r + 3.2f, -r * 0.32f), 1.f, look.deep);
        break;
    case Kind::Atoola:
        paintPolygon(canvas,
                     {h + Vec(r * 0.7f, -r * 0.5f), h + Vec(r * 0.3f, -r - 2.5f), h + Vec(-r * 0.2f, -r - 0.5f),
                      h + Vec(-r * 0.6f, -r - 3.f), h + Vec(-r * 0.9f, -r * 0.9f), h + Vec(-r - 3.5f, -r * 0.7f),
                      h + Vec(-r * 0.9f, r * 0.1f), h + Vec(-r * 0.2f, -r * 0.35f)},
                     look.hair);
        paintCapsule(canvas, h + Vec(-r + 0.5f, -r * 0.38f), h + Vec(r * 0.9f, -r * 0.5f), 1.1f, look.team);
        break;
    case Kind::Gigachill: {
        const Tones bone = tonesOf(sf::Color(232, 222, 190));
        paintCapsule(canvas, h + Vec(-r * 0.55f, -r * 0.7f), h + Vec(-r * 0.9f - 2.5f, -r - 3.5f), 1.5f, bone);
        paintCapsule(canvas, h + Vec(-r * 0.9f - 2.5f, -r - 3.5f), h + Vec(-r * 0.9f - 2.f, -r - 6.5f), 1.f, bone);
        paintCapsule(canvas, h + Vec(r * 0.35f, -r * 0.8f), h + Vec(r * 0.35f + 1.5f, -r - 3.5f), 1.5f, bone);
        paintCapsule(canvas, h + Vec(r * 0.35f + 1.5f, -r - 3.5f), h + Vec(r * 0.35f + 1.f, -r - 6.f), 1.f, bone);
        paintEllipse(canvas, h + Vec(0.4f, r * 0.74f), r * 0.75f, r * 0.36f, 0.f, look.hair);
        paintEllipse(canvas, h + Vec(-0.2f, -r * 0.6f), r + 0.6f, r * 0.5f, 0.f, look.metal);
        break;
    }
    case Kind::Swapper:
        paintPolygon(canvas, {h + Vec(-r * 0.1f, -r - 0.8f), h + Vec(-r - 4.5f, -r + 1.5f), h + Vec(-r * 0.7f, r * 0.2f)},
                     look.deep);
        paintEllipse(canvas, h + Vec(-0.8f, -0.3f), r + 1.2f, r + 1.f, 0.f, look.deep);
        paintEllipse(canvas, h + Vec(1.8f, 0.8f), r * 0.72f, r * 0.7f, 0.f, look.team, sf::Color::Transparent);
        paintEllipse(canvas, h + Vec(2.f, 0.9f), r * 0.58f, r * 0.56f, 0.f, look.skin, sf::Color::Transparent);
        break;
    }
}

void paintGearBeforeFrontArm(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    if (look.kind == Kind::Napollo)
        paintRifle(canvas, look, pose);
    else if (look.kind == Kind::Atoola)
        paintBlade(canvas, look, pose);
}

void paintGearAfterFrontArm(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    if (look.kind == Kind::Gigachill) {
        paintEllipse(canvas, shoulderOf(pose, look.build) + Vec(0.5f, 0.5f), 4.6f, 4.f, 0.f, look.metal);
        paintShield(canvas, look, pose);
    } else if (look.kind == Kind::Swapper) {
        const float bob = std::sin(tau * pose.cloth) * 1.2f;
        paintCrystal(canvas, pose.frontHand + Vec(4.5f, -8.f + bob), 3.f, 5.f, look.player);
    }
}
