#include "world/WorldPictures.h"

#include "Canvas.h"
#include "world/PixelArt.h"

#include <algorithm>
#include <cmath>

// The fight's parallax background: a still far layer (sky, sun or moon,
// mountains), a middle layer of jungle canopy that drifts at 1/25 of the
// camera, and a near strip of foliage at 1/12. Each of the five looks is one
// time of day, so each section of a level has its own light.

namespace {

constexpr int artWidth = 1920 / artPixel;
constexpr int artHeight = 1080 / artPixel;
constexpr int horizon = 450;  // art row where the sky meets the far hills

struct SkyLook {
    sf::Color top, middle, low;   // sky gradient, zenith to horizon
    sf::Color farRidge, nearRidge;
    sf::Color canopyTint;         // haze mixed into the middle layer
    sf::Color light;              // sun or moon colour
    int lightX, lightY, lightRadius;
    bool moon, stars, clouds, storm;
};

SkyLook skyLook(int look)
{
    switch (look) {
    case 0:  // night
        return {{10, 14, 40}, {26, 34, 82}, {58, 64, 118}, {46, 54, 102}, {30, 36, 74}, {24, 34, 70},
                {236, 236, 214}, 690, 120, 34, true, true, false, false};
    case 1:  // dawn
        return {{66, 88, 158}, {226, 148, 150}, {255, 204, 136}, {168, 132, 160}, {122, 100, 140}, {180, 130, 150},
                {255, 228, 160}, 250, 310, 46, false, false, true, false};
    case 2:  // day
        return {{64, 146, 228}, {126, 192, 244}, {204, 236, 250}, {146, 184, 196}, {96, 142, 152}, {150, 200, 220},
                {255, 250, 214}, 760, 90, 38, false, false, true, false};
    case 3:  // dusk
        return {{46, 36, 96}, {198, 88, 92}, {255, 164, 74}, {134, 72, 104}, {92, 50, 82}, {150, 110, 120},
                {255, 176, 84}, 520, 380, 64, false, false, true, false};
    default:  // storm
        return {{36, 40, 50}, {66, 72, 86}, {108, 114, 124}, {72, 78, 90}, {50, 56, 66}, {80, 90, 100},
                {230, 240, 255}, 0, 0, 0, false, false, false, true};
    }
}

void skyGradient(sf::Image& art, const SkyLook& sky)
{
    fillGradient(art, 0, 0, artWidth, 300, sky.top, sky.middle);
    fillGradient(art, 0, 300, artWidth, horizon - 300, sky.middle, sky.low);
    fillRect(art, 0, horizon, artWidth, artHeight - horizon, sky.low);
}

void stars(sf::Image& art)
{
    for (int y = 0; y < 330; ++y)
        for (int x = 0; x < artWidth; ++x) {
            const float n = hashNoise(x, y, 77);
            if (n > 0.9975f)
                plot(art, x, y, sf::Color(255, 255, 230, 230));
            else if (n > 0.994f)
                plot(art, x, y, sf::Color(180, 190, 255, 140));
        }
}

void sunOrMoon(sf::Image& art, const SkyLook& sky)
{
    const int r = sky.lightRadius;
    sf::Color glow = sky.light;
    glow.a = 40;
    fillEllipse(art, sky.lightX - r * 2, sky.lightY - r * 2, r * 4, r * 4, glow);
    glow.a = 70;
    fillEllipse(art, sky.lightX - r * 3 / 2, sky.lightY - r * 3 / 2, r * 3, r * 3, glow);
    fillEllipse(art, sky.lightX - r, sky.lightY - r, r * 2, r * 2, sky.light);
    if (sky.moon) {  // craters
        const sf::Color crater = shade(sky.light, 0.85f);
        fillEllipse(art, sky.lightX - 14, sky.lightY - 10, 10, 9, crater);
        fillEllipse(art, sky.lightX + 6, sky.lightY + 6, 12, 10, crater);
        fillEllipse(art, sky.lightX - 4, sky.lightY + 14, 6, 5, crater);
    }
}

// A bank of puffy clouds: overlapping round puffs, each over its own
// shadow a few art pixels lower.
void cloud(sf::Image& art, int x, int y, int width, int puffSize, sf::Color body, sf::Color shadow, std::uint32_t seed)
{
    const int step = puffSize / 2 + 4;
    for (int pass = 0; pass < 2; ++pass)
        for (int k = 0; k < width / step; ++k) {
            const int cx = x + k * step + static_cast<int>(hashNoise(k, 1, seed) * 8);
            const int h = puffSize / 2 + static_cast<int>(hashNoise(k, 2, seed) * puffSize);
            fillEllipse(art, cx - h / 2, y - h + 6 + (pass == 0 ? 4 : 0), h + 10, h, pass == 0 ? shadow : body);
        }
}

void clouds(sf::Image& art, const SkyLook& sky, int look)
{
    const sf::Color body = mix(sky.middle, sf::Color::White, look == 2 ? 0.85f : 0.55f);
    const sf::Color shadow = mix(body, sky.top, 0.35f);
    for (int k = 0; k < 5; ++k) {
        const int x = 40 + k * 190 + static_cast<int>(hashNoise(k, look, 5) * 60);
        const int y = 70 + static_cast<int>(hashNoise(k, look, 6) * 190);
        cloud(art, x, y, 80 + static_cast<int>(hashNoise(k, look, 7) * 90), 28, body, shadow, 30u + k);
    }
}

void stormSky(sf::Image& art, const SkyLook& sky)
{
    const sf::Color body = mix(sky.middle, sf::Color::White, 0.12f), shadow = shade(sky.top, 0.8f);
    for (int k = 0; k < 7; ++k)
        cloud(art, -60 + k * 160, 70 + (k % 3) * 55, 220, 56, body, shadow, 90u + k);
    // a lightning bolt frozen mid-strike
    const int xs[] = {700, 684, 702, 676, 690, 664};
    const int ys[] = {150, 210, 220, 300, 310, 420};
    for (int k = 0; k + 1 < 6; ++k) {
        drawLine(art, xs[k], ys[k], xs[k + 1], ys[k + 1], 5, sf::Color(180, 200, 255, 90));
        drawLine(art, xs[k], ys[k], xs[k + 1], ys[k + 1], 2, sf::Color(245, 248, 255));
    }
}

void rain(sf::Image& art, int width, int height, std::uint32_t seed)
{
    for (int k = 0; k < width * height / 900; ++k) {
        const int x = static_cast<int>(hashNoise(k, 1, seed) * width);
        const int y = static_cast<int>(hashNoise(k, 2, seed) * height);
        drawLine(art, x, y, x - 3, y + 9, 1, sf::Color(200, 210, 230, 70));
    }
}

void mountains(sf::Image& art, const SkyLook& sky)
{
    fillBelow(art, artWidth, artHeight, sky.farRidge,
              [](int x) { return 300 + ridgeHeight(x, artWidth, 110, 11) - (x > 300 && x < 420 ? 40 - std::abs(x - 360) * 2 / 3 : 0); });
    fillBelow(art, artWidth, artHeight, sky.nearRidge, [](int x) { return 380 + ridgeHeight(x, artWidth, 70, 12); });
    sf::Color mist = sky.low;
    mist.a = 110;
    fillRect(art, 0, horizon - 10, artWidth, artHeight - horizon + 10, mist);
}

}  // namespace

sf::Image drawFarLayer(int look)
{
    const SkyLook sky = skyLook(look);
    sf::Image art = blankImage(artWidth, artHeight);
    skyGradient(art, sky);
    if (sky.stars)
        stars(art);
    if (sky.lightRadius > 0)
        sunOrMoon(art, sky);
    if (sky.clouds)
        clouds(art, sky, look);
    if (sky.storm)
        stormSky(art, sky);
    mountains(art, sky);
    if (sky.storm)
        rain(art, artWidth, artHeight, 41);
    return upscale(art, artPixel);
}

sf::Image drawMiddleLayer(int look)
{
    const SkyLook sky = skyLook(look);
    const int width = middleLayerWidth / artPixel;
    sf::Image art = blankImage(width, artHeight);
    const sf::Color back = mix(palette::leaf, sky.canopyTint, 0.4f);
    const sf::Color front = mix(palette::leafDeep, sky.canopyTint, 0.2f);
    // The layer's left edge is on screen for most of a level, so the canopy
    // rises out of the ground there instead of ending in a cut.
    auto ramp = [&](int x, int y) {
        const int rampWidth = 220;
        if (x >= rampWidth)
            return y;
        return y + (artHeight - 1 - y) * (rampWidth - x) / rampWidth;
    };
    auto backLine = [&](int x) { return ramp(x, 290 + ridgeHeight(x, width, 60, 21)); };
    auto frontLine = [&](int x) { return ramp(x, 360 + ridgeHeight(x, width / 2, 50, 22)); };

    fillBelow(art, width, artHeight, back, backLine);
    for (int x = 240; x < width; x += 26) {  // round crowns along the back ridge
        const int r = 12 + static_cast<int>(hashNoise(x, 0, 23) * 14);
        leafClump(art, x, backLine(x) + r / 2, r, back, 24);
    }
    // a stepped temple half swallowed by the forest
    const int pyramidX = 600, pyramidBase = 340;
    const sf::Color ruin = mix(palette::stoneDark, sky.canopyTint, 0.5f);
    for (int step = 0; step < 6; ++step)
        fillRect(art, pyramidX - 70 + step * 11, pyramidBase - 16 * (step + 1), 140 - step * 22, 16,
                 shade(ruin, 1.f - step * 0.03f));
    fillRect(art, pyramidX - 8, pyramidBase - 110, 16, 14, shade(ruin, 0.7f));
    // emergent trees standing above the canopy
    for (int k = 0; k < 8; ++k) {
        const int x = 300 + k * 150 + static_cast<int>(hashNoise(k, 2, 25) * 60);
        const int top = backLine(x) - 60 - static_cast<int>(hashNoise(k, 3, 25) * 40);
        fillRect(art, x - 3, top, 6, artHeight - top, shade(back, 0.7f));
        leafClump(art, x, top, 26, shade(back, 0.9f), 26u + k);
        leafClump(art, x - 22, top + 14, 18, back, 27u + k);
        leafClump(art, x + 22, top + 12, 18, back, 28u + k);
    }
    fillBelow(art, width, artHeight, front, frontLine);
    for (int x = 230; x < width; x += 18) {
        const int r = 9 + static_cast<int>(hashNoise(x, 1, 29) * 10);
        leafClump(art, x, frontLine(x) + r / 2, r, front, 30);
    }
    if (sky.storm)
        for (int y = 0; y < artHeight; ++y)  // rain only over the trees, the sky part stays clear
            for (int x = 0; x < width; ++x)
                if (art.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a > 0 &&
                    hashNoise(x, y, 32) > 0.995f)
                    drawLine(art, x, y, x - 2, y + 6, 1, sf::Color(200, 210, 230, 80));
    return upscale(art, artPixel);
}

sf::Image drawNearLayer()
{
    const int width = 3840 / artPixel;
    sf::Image art = blankImage(width, artHeight);
    const sf::Color fern(20, 48, 28), fernDark(12, 30, 18), fernLight(38, 80, 44);
    // Bushes peek a little above the fight's ground line (screen y 832) and
    // fill the pits below it; everything above them stays transparent.
    for (int x = -20; x < width + 20; x += 46) {
        const int r = 24 + static_cast<int>(hashNoise(x, 0, 51) * 22);
        const int y = 410 + static_cast<int>(hashNoise(x, 1, 51) * 40);
        leafClump(art, x, y, r, fernDark, 52);
    }
    for (int x = 0; x < width; x += 14) {
        const int r = 14 + static_cast<int>(hashNoise(x, 2, 53) * 14);
        const int y = 440 + static_cast<int>(hashNoise(x, 3, 53) * 30);
        leafClump(art, x, y, r, fern, 54);
    }
    fillRect(art, 0, 470, width, artHeight - 470, fern);
    for (int x = 0; x < width; x += 3) {  // grass blades along the bank
        const int h = 6 + static_cast<int>(hashNoise(x, 4, 55) * 16);
        const int base = 462 + static_cast<int>(hashNoise(x, 5, 55) * 12);
        drawLine(art, x, base, x + (x % 2 ? 2 : -2), base - h, 1, x % 4 == 0 ? fernLight : fern);
    }
    return upscale(art, artPixel);
}

BackgroundSet drawBackgrounds()
{
    BackgroundSet layers;
    for (int look = 0; look < backgroundLookCount; ++look) {
        layers.far.push_back(drawFarLayer(look));
        layers.middle.push_back(drawMiddleLayer(look));
    }
    layers.near = drawNearLayer();
    return layers;
}

sf::Image drawBackdrop(const BackgroundSet& layers, int look, int middleLeft, bool withNear)
{
    sf::Image backdrop = layers.far[look];
    sf::Image window = blankImage(1920, 1080);
    window.copy(layers.middle[look], 0, 0, sf::IntRect(middleLeft, 0, 1920, 1080));
    blit(backdrop, window, 0, 0);
    if (withNear) {
        window = blankImage(1920, 1080);
        window.copy(layers.near, 0, 0, sf::IntRect(0, 0, 1920, 1080));
        blit(backdrop, window, 0, 0);
    }
    return backdrop;
}
