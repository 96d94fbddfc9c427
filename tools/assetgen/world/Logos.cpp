#include "world/WorldPictures.h"

#include "Canvas.h"
#include "PixelFont.h"
#include "world/PixelArt.h"

#include <cmath>
#include <string>
#include <vector>

// The title logo, the two studio logos of the splash and the credits picture.

namespace {

// Text with a thick dark rim: the word drawn offset in a ring, then on top.
void rimmedText(sf::Image& image, const std::string& text, int centreX, int centreY, int scale, sf::Color fill,
                sf::Color rim, int rimWidth)
{
    for (int dy = -rimWidth; dy <= rimWidth; dy += std::max(1, rimWidth / 2))
        for (int dx = -rimWidth; dx <= rimWidth; dx += std::max(1, rimWidth / 2))
            drawPixelTextCentred(image, text, centreX + dx, centreY + dy, scale, rim);
    drawPixelTextCentred(image, text, centreX, centreY, scale, fill);
}

// Repaints the opaque pixels of one colour with a vertical gradient.
void gradientOver(sf::Image& image, sf::Color key, sf::Color top, sf::Color bottom, int y0, int y1)
{
    const sf::Vector2u size = image.getSize();
    for (unsigned y = 0; y < size.y; ++y)
        for (unsigned x = 0; x < size.x; ++x)
            if (image.getPixel(x, y) == key) {
                const float t = std::min(1.f, std::max(0.f, (static_cast<float>(y) - y0) / static_cast<float>(y1 - y0)));
                sf::Color c = mix(top, bottom, t);
                if (((y - static_cast<unsigned>(y0)) / 4) % 6 == 0)  // pixel-art banding
                    c = shade(c, 1.12f);
                image.setPixel(x, y, c);
            }
}

void wing(sf::Image& art, int rootX, int rootY, int direction, sf::Color colour)
{
    for (int feather = 0; feather < 6; ++feather) {
        const int length = 60 - feather * 7;
        const int y = rootY + feather * 7;
        for (int i = 0; i < length; ++i) {
            const int lift = (length - i) * (length - i) / 120;
            fillRect(art, rootX + direction * (i + feather * 4), y - lift - 12 + i / 6, 1, 6, colour);
        }
    }
}

}  // namespace

sf::Image drawTitleLogo()
{
    const int width = 1280, height = 360;
    sf::Image logo = blankImage(width, height);
    // a kestrel diving across the top of the name
    sf::Image bird = blankImage(width / artPixel, height / artPixel);
    const sf::Color feather(196, 110, 54), featherDark(120, 62, 30);
    wing(bird, 320, 40, -1, featherDark);
    wing(bird, 320, 40, 1, featherDark);
    wing(bird, 320, 38, -1, feather);
    wing(bird, 320, 38, 1, feather);
    fillEllipse(bird, 310, 24, 20, 34, feather);
    fillEllipse(bird, 312, 14, 16, 16, featherDark);
    fillRect(bird, 318, 12, 4, 4, sf::Color(250, 220, 90));
    outlineOpaque(bird, palette::outline);
    blit(logo, upscale(bird, artPixel), 0, -10);

    const sf::Color key(1, 2, 3);
    rimmedText(logo, "KESTRELFALL", width / 2, 210, 17, key, palette::outline, 8);
    gradientOver(logo, key, sf::Color(255, 236, 140), sf::Color(232, 110, 40), 150, 270);
    drawPixelTextCentred(logo, "A JUNGLE RACE FOR TWO", width / 2, 322, 4, sf::Color(240, 250, 230), palette::outline);
    return logo;
}

sf::Image drawTessarilLogo()
{
    // Drawn at 400 x 400 and shown at a quarter of 1600 x 1600: one art pixel
    // per screen pixel on the splash.
    const int size = 400;
    sf::Image art = blankImage(size, size);
    const sf::Color facets[] = {{86, 210, 220}, {56, 160, 200}, {40, 110, 170}, {120, 230, 220}, {30, 80, 140},
                                {70, 190, 210}};
    // a cut gem: a hexagon of six triangles
    const int cx = size / 2, cy = 150, r = 110;
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x) {
            const double dx = x - cx, dy = y - cy;
            const double angle = std::atan2(dy, dx) + 3.14159265358979;  // 0..2 pi
            const double hexRadius = r * 0.866 / std::cos(std::fmod(angle, 1.0471975512) - 0.5235987756);
            if (std::sqrt(dx * dx + dy * dy) <= hexRadius)
                plot(art, x, y, facets[static_cast<int>(angle / 1.0471975512) % 6]);
        }
    fillEllipse(art, cx - 18, cy - 18, 36, 36, sf::Color(220, 255, 250));
    drawPixelTextCentred(art, "TESSARIL", cx, 320, 7, sf::Color(230, 250, 255), sf::Color(30, 80, 140));
    drawPixelTextCentred(art, "GAMES", cx, 372, 3, sf::Color(120, 200, 220));
    return upscale(art, 4);
}

sf::Image drawPinewhistleLogo()
{
    // Drawn at 466 x 466 and shown at 0.3 of 1398 x 1398.
    const int size = 466;
    sf::Image art = blankImage(size, size);
    const sf::Color pine(70, 170, 90), pineDark(40, 110, 60), trunk(140, 90, 50);
    const int cx = 190, base = 300;
    fillRect(art, cx - 10, base - 20, 20, 40, trunk);
    for (int tier = 0; tier < 4; ++tier) {
        const int top = base - 60 - tier * 50, half = 110 - tier * 22;
        for (int row = 0; row < 70; ++row) {
            const int w = half * row / 70;
            fillRect(art, cx - w, top + row, w, 1, pineDark);
            fillRect(art, cx, top + row, w, 1, pine);
        }
    }
    // sound waves drifting off the tree: the whistle
    for (int ring = 0; ring < 3; ++ring) {
        const int radius = 40 + ring * 28;
        for (int a = -40; a <= 40; ++a) {
            const double t = a * 3.14159265358979 / 180.0;
            const int x = 300 + static_cast<int>(std::cos(t) * radius);
            const int y = 150 + static_cast<int>(std::sin(t) * radius);
            fillRect(art, x, y, 6, 6, sf::Color(250, 220, 120));
        }
    }
    drawPixelTextCentred(art, "PINEWHISTLE", size / 2, 380, 6, sf::Color(240, 250, 230), pineDark);
    drawPixelTextCentred(art, "STUDIO", size / 2, 430, 3, sf::Color(170, 220, 160));
    return upscale(art, 3);
}

sf::Image drawCreditsPicture(const BackgroundSet& layers)
{
    sf::Image picture = drawBackdrop(layers, 0, 300, false);
    fillRect(picture, 260, 60, 1400, 960, sf::Color(8, 14, 20, 210));
    strokeRect(picture, 260, 60, 1400, 960, 6, palette::sand);
    strokeRect(picture, 272, 72, 1376, 936, 2, palette::sandDark);

    const sf::Color heading(255, 214, 120), body(232, 240, 230), shadow(0, 0, 0);
    struct Line {
        std::string text;
        bool isHeading;
    };
    const std::vector<Line> lines = {
        {"KESTRELFALL", true},
        {"MADE BY THE KESTRELFALL TEAM", false},
        {"AT TESSARIL AND PINEWHISTLE", false},
        {"", false},
        {"BUILT WITH", true},
        {"SFML - SIMPLE AND FAST MULTIMEDIA LIBRARY", false},
        {"OPENAL SOFT    LIBVORBIS AND LIBOGG", false},
        {"FREETYPE    GOOGLETEST", false},
        {"", false},
        {"FONT", true},
        {"LEAGUE SPARTAN - SIL OPEN FONT LICENSE", false},
        {"", false},
        {"ANNOUNCER VOICE", true},
        {"ESPEAK NG", false},
    };
    int y = 150;
    for (const Line& line : lines) {
        if (line.text.empty()) {
            y += 30;
            continue;
        }
        const int scale = line.isHeading ? 7 : 4;
        drawPixelTextCentred(picture, line.text, 960, y, scale, line.isHeading ? heading : body, shadow);
        y += line.isHeading ? 76 : 50;
    }
    drawPixelTextCentred(picture, "ESCAPE - BACK", 960, 970, 3, sf::Color(170, 180, 170), shadow);
    return picture;
}
