#include "characters/FighterEffects.h"

#include "Canvas.h"
#include "characters/FighterGear.h"

#include <cmath>

namespace {

constexpr float tau = 6.2831853f;

sf::Color withAlpha(sf::Color c, sf::Uint8 a) { return {c.r, c.g, c.b, a}; }

// A small four-pointed sparkle.
void sparkle(ArtCanvas& canvas, Vec p, sf::Color c, int arm)
{
    canvas.putAt(p, sf::Color::White);
    for (int k = 1; k <= arm; ++k) {
        canvas.putAt(p + Vec(static_cast<float>(k), 0.f), c);
        canvas.putAt(p - Vec(static_cast<float>(k), 0.f), c);
        canvas.putAt(p + Vec(0.f, static_cast<float>(k)), c);
        canvas.putAt(p - Vec(0.f, static_cast<float>(k)), c);
    }
}

void paintShockwave(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    // Centred a little ahead of the fighter, where the shield comes down, so
    // both crests stay in the picture as they run out.
    const float cx = 6.f;
    const float r = pose.shockwave;
    const float crest = 8.f;
    for (int j = 0; j < ArtCanvas::size; ++j)
        for (int i = 0; i < ArtCanvas::size; ++i) {
            const Vec p = ArtCanvas::centreOf(i, j);
            if (p.y < -crest - 1.f || p.y > 1.f)
                continue;
            const float dx = std::fabs(p.x - cx);
            // Crests running out both ways, a glowing crack between them.
            const float height = crest * (1.f - std::fabs(dx - r) / 5.f);
            if (-p.y < height)
                canvas.put(i, j, -p.y > height - 1.5f ? sf::Color::White : look.glow);
            else if (dx < r - 5.f && p.y > -1.5f && hashNoise(i, j, 7u) < 0.55f)
                canvas.put(i, j, withAlpha(look.glow, 200));
        }
    // Chips of earth thrown up ahead of the crests.
    const sf::Color earth(150, 112, 74);
    for (int k = 0; k < 4; ++k) {
        const float side = k % 2 == 0 ? 1.f : -1.f;
        const Vec chip(cx + side * (r - 2.f - static_cast<float>(k)), -crest - 2.f - static_cast<float>(k) * 1.5f);
        canvas.putAt(chip, earth);
        canvas.putAt(chip + Vec(1.f, 0.f), earth);
    }
}

}  // namespace

void paintAfterImages(ArtCanvas& canvas, const ArtCanvas& body, const FighterLook& look, const Pose& pose)
{
    for (int g = pose.ghosts; g >= 1; --g) {
        const int offset = -7 * g;
        const sf::Uint8 alpha = static_cast<sf::Uint8>(150 / (g + 1));
        for (int j = 0; j < ArtCanvas::size; ++j)
            for (int i = 0; i < ArtCanvas::size; ++i)
                if (body.image.getPixel(static_cast<unsigned>(i), static_cast<unsigned>(j)).a > 0)
                    canvas.put(i + offset, j, withAlpha(look.glow, alpha));
    }
    // Speed lines behind the body.
    for (int k = 0; k < 4; ++k) {
        const float y = pose.chest.y + static_cast<float>(k) * 5.f - 2.f;
        const float from = pose.hip.x - 18.f - static_cast<float>((k * 7) % 9);
        for (float x = from; x < from + 12.f - static_cast<float>(k % 2) * 4.f; x += 1.f)
            canvas.putAt({x, y}, withAlpha(look.glow, 190));
    }
}

void paintEffectsBehind(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    if (pose.guard > 0.f) {
        const sf::Uint8 a = static_cast<sf::Uint8>(70 * pose.guard);
        glowDisc(canvas, pose.chest + Vec(7.f, 4.f), 13.f, withAlpha(look.glow, a));
    }
}

void paintEffectsInFront(ArtCanvas& canvas, const FighterLook& look, const Pose& pose)
{
    for (const Smear& s : pose.smears) {
        glowArc(canvas, s.centre, s.radius - s.width * 0.2f, s.fromDegrees, s.toDegrees, s.width,
                withAlpha(look.glow, 170));
        glowArc(canvas, s.centre, s.radius + s.width * 0.1f, s.fromDegrees, s.toDegrees, s.width * 0.4f,
                withAlpha(sf::Color::White, 235));
    }
    if (pose.guard > 0.f) {
        const sf::Uint8 a = static_cast<sf::Uint8>(255 * pose.guard);
        glowArc(canvas, pose.chest + Vec(4.f, 5.f), 15.f, -80.f, 75.f, 2.f, withAlpha(look.glow, a));
        glowArc(canvas, pose.chest + Vec(4.f, 5.f), 15.5f, -60.f, 40.f, 0.8f, withAlpha(sf::Color::White, a));
        sparkle(canvas, pose.chest + Vec(12.f, -8.f), look.glow, 3);
    }
    if (pose.ripple > 0.f) {
        const Vec c = pose.frontHand + Vec(pose.ripple * 0.6f + 2.f, 0.f);
        glowArc(canvas, c, pose.ripple, -180.f, 180.f, 1.5f, withAlpha(look.glow, 220));
        glowArc(canvas, c, pose.ripple * 0.5f, -180.f, 180.f, 1.f, withAlpha(sf::Color::White, 200));
    }
    if (pose.flash > 0.f) {
        const Vec m = look.kind == Kind::Napollo ? rifleMuzzle(pose) : shieldCentre(pose) + Vec(0.f, 8.f);
        glowDisc(canvas, m, pose.flash, withAlpha(look.glow, 230));
        glowDisc(canvas, m, pose.flash * 0.55f, sf::Color::White);
        sparkle(canvas, m, look.glow, static_cast<int>(pose.flash * 1.6f));
    }
    if (pose.shockwave > 0.f)
        paintShockwave(canvas, look, pose);
    if (pose.dust > 0.f) {
        const sf::Color dust(214, 196, 160, 210);
        for (int k = -1; k <= 1; ++k)
            glowDisc(canvas, {pose.dustX + static_cast<float>(k) * pose.dust * 0.9f, -1.5f - (k == 0 ? 1.f : 0.f)},
                     pose.dust * (k == 0 ? 0.6f : 0.42f), dust);
    }
    for (int k = 0; k < pose.stars; ++k) {
        const float a = tau * (pose.starPhase + static_cast<float>(k) / static_cast<float>(pose.stars));
        const Vec p = pose.head + Vec(std::cos(a) * 8.f, -look.build.headRadius - 3.f + std::sin(a) * 2.5f);
        sparkle(canvas, p, sf::Color(255, 224, 90), 1);
    }
}
