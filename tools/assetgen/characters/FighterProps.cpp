#include "characters/FighterProps.h"

#include "Canvas.h"
#include "characters/ArtCanvas.h"
#include "characters/FighterGear.h"
#include "characters/FighterLook.h"

namespace {

constexpr int propScale = 2;

}  // namespace

sf::Image markerPicture(int player)
{
    // Drawn round the rig origin: the stone sits on the ground line.
    ArtCanvas canvas;
    const Tones stone = tonesOf(sf::Color(118, 112, 130));
    paintPolygon(canvas, {{-8.f, -1.2f}, {-6.f, -5.f}, {6.f, -5.f}, {8.f, -1.2f}}, stone);
    const sf::Color glow = teamGlow(player);
    for (int k = -4; k <= 4; k += 2)
        canvas.put(ArtCanvas::originX + k, ArtCanvas::originY - 3, glow);
    glowDisc(canvas, {0.f, -7.f}, 3.f, sf::Color(glow.r, glow.g, glow.b, 90));
    paintCrystal(canvas, {0.f, -16.f}, 5.5f, 9.f, player);
    for (int k = 0; k < 3; ++k)
        canvas.put(ArtCanvas::originX - 6 + k * 6, ArtCanvas::originY - 24 + (k % 2) * 3, glow);
    // Cut the 20 x 28 art pixels above the ground, centred on the stone.
    return enlarge(canvas.image, 40, 56, propScale, -(ArtCanvas::originX - 10) * propScale,
                   -(ArtCanvas::originY - 28) * propScale);
}

sf::Image shotPicture()
{
    sf::Image art = blankImage(24, 8);
    const sf::Color gold(255, 196, 72), core(255, 250, 220), ember(236, 110, 40);
    // The trail thins out to the right.
    for (int x = 6; x < 24; ++x) {
        const int half = x < 12 ? 2 : x < 18 ? 1 : 0;
        const sf::Uint8 a = static_cast<sf::Uint8>(255 - (x - 6) * 9);
        fillRect(art, x, 4 - half - (x % 5 == 0 ? 1 : 0), 1, 2 * half + 1, sf::Color(ember.r, ember.g, ember.b, a));
        if (x < 16)
            plot(art, x, 4, sf::Color(gold.r, gold.g, gold.b, a));
    }
    fillEllipse(art, 1, 1, 9, 7, gold);
    fillEllipse(art, 2, 2, 5, 4, core);
    outlineOpaque(art, sf::Color(120, 50, 20, 255));
    return enlarge(art, 48, 16, propScale, 0, 0);
}
