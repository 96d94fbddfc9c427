#include "world/WorldPictures.h"

#include "Canvas.h"
#include "PixelFont.h"
#include "world/PixelArt.h"

#include <algorithm>

// The menu rooms are the inside of a jungle temple. Each picture is one
// screen wide and the rooms show two side by side (0|1, 1|2, 3|2), so
// everything near a picture's left and right edges repeats with the picture
// width and any two pictures meet without a seam. Each picture's ornaments
// stand between the doors of every room that shows it.

namespace {

constexpr int artWidth = 1920 / artPixel;
constexpr int artHeight = 1080 / artPixel;
// Pictures are drawn at world y = 64; the room floor is at world y = 768.
constexpr int floorRow = (768 - 64) / artPixel;
constexpr int wallTop = 110;
constexpr int pillarSpacing = 160;

void skyAndHills(sf::Image& art)
{
    fillGradient(art, 0, 0, artWidth, wallTop + 20, sf::Color(92, 168, 226), sf::Color(196, 232, 246));
    const sf::Color hills(110, 160, 120);
    fillBelow(art, artWidth, wallTop + 20, hills, [](int x) { return 60 + ridgeHeight(x, artWidth, 40, 61); });
    for (int x = -18; x < artWidth + 24; x += 24)  // past both edges: the clumps wrap onto the next picture
        leafClump(art, x, 66 + ridgeHeight((x + artWidth) % artWidth, artWidth, 40, 61), 10, hills, 62);
}

void wallBlocks(sf::Image& art)
{
    fillRect(art, 0, wallTop, artWidth, floorRow - wallTop, palette::sandDark);
    for (int row = 0; (wallTop + 16 + row * 12) < floorRow; ++row) {
        const int y = wallTop + 16 + row * 12;
        const int shift = (row % 2) * 12;
        for (int x = -24 + shift; x < artWidth; x += 24) {
            const sf::Color face = shade(palette::sand, 0.9f + hashNoise((x + artWidth) % artWidth, row, 63) * 0.15f);
            fillRect(art, x + 1, y + 1, 22, 10, face);
            fillRect(art, x + 1, y + 1, 22, 1, palette::sandLight);
        }
    }
    // frieze along the top of the wall: a band of carved diamonds
    fillRect(art, 0, wallTop, artWidth, 16, palette::sandDark);
    fillRect(art, 0, wallTop + 1, artWidth, 1, palette::sandLight);
    for (int x = 0; x < artWidth; x += 16)
        for (int d = 0; d < 6; ++d) {
            fillRect(art, x + 8 - d, wallTop + 3 + d, d * 2 + 1, 1, palette::sand);
            fillRect(art, x + 8 - d, wallTop + 14 - d, d * 2 + 1, 1, palette::sand);
        }
    // shade toward the floor
    for (int y = floorRow - 40; y < floorRow; ++y)
        fillRect(art, 0, y, artWidth, 1, sf::Color(30, 20, 10, static_cast<sf::Uint8>((y - floorRow + 40) * 3)));
}

void pillars(sf::Image& art)
{
    for (int x = pillarSpacing / 2; x < artWidth; x += pillarSpacing) {
        fillRect(art, x - 12, wallTop - 6, 24, floorRow - wallTop + 6, palette::sand);
        fillRect(art, x - 12, wallTop - 6, 4, floorRow - wallTop + 6, palette::sandLight);
        fillRect(art, x + 8, wallTop - 6, 4, floorRow - wallTop + 6, palette::sandDark);
        for (int y = wallTop + 10; y < floorRow; y += 18)
            fillRect(art, x - 12, y, 24, 1, palette::sandDark);
        fillRect(art, x - 16, wallTop - 10, 32, 8, palette::sandLight);  // capital
        fillRect(art, x - 16, wallTop - 3, 32, 2, palette::sandDark);
        fillRect(art, x - 16, floorRow - 8, 32, 8, palette::sandDark);  // base
    }
}

void vines(sf::Image& art, int picture)
{
    for (int k = 0; k < 7; ++k) {
        const int x = 90 + k * 120 + static_cast<int>(hashNoise(k, picture, 64) * 50);
        const int length = 40 + static_cast<int>(hashNoise(k, picture, 65) * 120);
        for (int y = wallTop - 4; y < wallTop + length; ++y) {
            const int sway = ((y / 6) % 4 == 1) - ((y / 6) % 4 == 3);
            fillRect(art, x + sway, y, 2, 1, palette::vine);
            if (y % 9 == 0)
                fillRect(art, x + sway + (y % 18 ? 2 : -3), y, 3, 2, palette::grass);
        }
    }
}

void torch(sf::Image& art, int x, int y)
{
    fillRect(art, x - 2, y, 4, 14, palette::woodDark);
    fillRect(art, x - 4, y - 2, 8, 3, palette::stoneDark);
    fillEllipse(art, x - 16, y - 22, 32, 28, sf::Color(255, 190, 90, 50));
    fillEllipse(art, x - 4, y - 14, 8, 12, sf::Color(255, 150, 40));
    fillEllipse(art, x - 2, y - 10, 4, 7, sf::Color(255, 236, 150));
}

// A kestrel with spread wings carved in a round medallion.
void kestrelEmblem(sf::Image& art, int cx, int cy)
{
    fillEllipse(art, cx - 44, cy - 44, 88, 88, palette::sandDark);
    fillEllipse(art, cx - 40, cy - 40, 80, 80, palette::sandLight);
    fillEllipse(art, cx - 36, cy - 36, 72, 72, palette::sand);
    const sf::Color bird = shade(palette::sandDark, 0.8f);
    for (int i = 0; i < 30; ++i) {  // wings sweeping up and out
        const int lift = i * i / 40;
        fillRect(art, cx - 4 - i, cy - 4 - lift, 1, 8 - i / 5, bird);
        fillRect(art, cx + 4 + i, cy - 4 - lift, 1, 8 - i / 5, bird);
    }
    fillEllipse(art, cx - 6, cy - 12, 12, 26, bird);   // body
    fillEllipse(art, cx - 5, cy - 20, 10, 10, bird);   // head
    fillRect(art, cx - 4, cy + 12, 8, 10, bird);       // tail
    plot(art, cx + 2, cy - 16, palette::sandLight);
}

void archWindow(sf::Image& art, int cx, int top, int width, int height)
{
    fillRect(art, cx - width / 2 - 6, top + width / 2, width + 12, height - width / 2 + 6, palette::sandDark);
    fillEllipse(art, cx - width / 2 - 6, top - 6, width + 12, width + 12, palette::sandDark);
    fillGradient(art, cx - width / 2, top + width / 2, width, height - width / 2, sf::Color(150, 210, 240),
                 sf::Color(120, 180, 140));
    fillEllipse(art, cx - width / 2, top, width, width, sf::Color(150, 210, 240));
    for (int x = cx - width / 2; x < cx + width / 2; x += 10)
        leafClump(art, x, top + height - 10, 9, palette::leaf, 66);
    fillRect(art, cx - 1, top, 2, height, palette::sandDark);
}

void banner(sf::Image& art, int x, int top, sf::Color colour)
{
    fillRect(art, x - 2, top - 2, 28, 3, palette::woodDark);
    fillRect(art, x, top, 24, 70, colour);
    fillRect(art, x, top, 3, 70, shade(colour, 1.2f));
    fillRect(art, x + 21, top, 3, 70, shade(colour, 0.75f));
    for (int i = 0; i < 12; ++i) {  // swallow-tail cut at the bottom
        fillRect(art, x + i, top + 70, 1, 12 - i, colour);
        fillRect(art, x + 23 - i, top + 70, 1, 12 - i, shade(colour, 0.75f));
    }
    fillEllipse(art, x + 6, top + 20, 12, 12, palette::sandLight);
}

void stoneFace(sf::Image& art, int cx, int top)
{
    const sf::Color face = palette::stone, dark = palette::stoneDark;
    fillRect(art, cx - 40, top, 80, 100, face);
    strokeRect(art, cx - 40, top, 80, 100, 2, dark);
    fillRect(art, cx - 30, top + 26, 20, 10, dark);   // brows and eyes
    fillRect(art, cx + 10, top + 26, 20, 10, dark);
    fillRect(art, cx - 24, top + 30, 8, 4, sf::Color(110, 220, 120));
    fillRect(art, cx + 16, top + 30, 8, 4, sf::Color(110, 220, 120));
    fillRect(art, cx - 6, top + 40, 12, 24, palette::stoneLight);  // nose
    fillRect(art, cx - 26, top + 72, 52, 12, dark);  // mouth with teeth
    for (int x = cx - 24; x < cx + 24; x += 8)
        fillRect(art, x, top + 72, 5, 5, palette::stoneLight);
    fillRect(art, cx - 48, top - 8, 96, 10, palette::sandLight);
}

// A mural of the five sections of the Jungle level, dawn to storm.
void levelMural(sf::Image& art, int cx, int top)
{
    const sf::Color skies[] = {{26, 34, 82}, {226, 148, 150}, {126, 192, 244}, {198, 88, 92}, {66, 72, 86}};
    fillRect(art, cx - 154, top - 6, 308, 92, palette::woodDark);
    for (int k = 0; k < 5; ++k) {
        const int x = cx - 148 + k * 60;
        fillGradient(art, x, top, 56, 80, skies[k], mix(skies[k], sf::Color::White, 0.3f));
        fillBelow(art, x + 56, top + 80, palette::grassDark,
                  [&](int col) { return col < x ? top + 80 : top + 56 + ridgeHeight(col, 56, 14, 70 + k); });
    }
    fillRect(art, cx - 6, top + 46, 12, 20, palette::sandLight);  // the goal in the middle panel
}

}  // namespace

sf::Image drawRoomPicture(int index)
{
    sf::Image art = blankImage(artWidth, artHeight, palette::dirtDeep);
    skyAndHills(art);
    wallBlocks(art);
    pillars(art);
    switch (index) {
    case 0:
        kestrelEmblem(art, 400, 200);
        torch(art, 560, 200);
        torch(art, 240, 200);
        break;
    case 1:
        archWindow(art, 640, 140, 90, 108);  // its sill clears the hub platform below
        banner(art, 440, 150, palette::p1);
        banner(art, 500, 150, palette::p2);
        break;
    case 2:
        stoneFace(art, 380, 150);
        torch(art, 280, 210);
        torch(art, 480, 210);
        break;
    default:
        levelMural(art, 480, 160);
        torch(art, 240, 200);
        torch(art, 720, 200);
        break;
    }
    vines(art, index);
    fillRect(art, 0, floorRow, artWidth, artHeight - floorRow, palette::dirtDeep);
    return upscale(art, artPixel);
}

sf::Image drawDoor(const std::string& sign, sf::Color accent)
{
    constexpr int size = 128;  // art pixels; 256 px on screen
    constexpr int signHeight = 30;
    sf::Image art = blankImage(size, size);
    // stone frame with a round arch
    fillRect(art, 8, signHeight + 26, size - 16, size - signHeight - 26, palette::stone);
    fillEllipse(art, 8, signHeight, size - 16, 60, palette::stone);
    speckle(art, 8, signHeight, size - 16, size - signHeight, palette::stoneDark, palette::stoneLight, 0.05f, 80);
    // the wooden door inside the arch
    const sf::Color wood = mix(palette::wood, accent, 0.25f);
    fillRect(art, 22, signHeight + 36, size - 44, size - signHeight - 36, wood);
    fillEllipse(art, 22, signHeight + 14, size - 44, 46, wood);
    for (int x = 30; x < size - 22; x += 10)
        fillRect(art, x, signHeight + 20, 1, size - signHeight - 20, shade(wood, 0.7f));
    fillRect(art, size / 2 - 1, signHeight + 16, 2, size - signHeight - 16, shade(wood, 0.55f));
    for (int y : {signHeight + 44, size - 18}) {  // iron bands with studs
        fillRect(art, 22, y, size - 44, 4, palette::stoneDark);
        for (int x = 26; x < size - 24; x += 12)
            plot(art, x, y + 1, palette::stoneLight);
    }
    fillEllipse(art, size / 2 + 6, size / 2 + 18, 6, 6, sf::Color(230, 200, 90));  // ring handles
    fillEllipse(art, size / 2 - 12, size / 2 + 18, 6, 6, sf::Color(230, 200, 90));
    fillRect(art, 4, size - 6, size - 8, 6, palette::stoneDark);  // threshold
    // sign board hung above the arch
    fillRect(art, 2, 2, size - 4, signHeight - 2, palette::woodDark);
    fillRect(art, 4, 4, size - 8, signHeight - 6, mix(palette::woodDark, accent, 0.35f));
    strokeRect(art, 2, 2, size - 4, signHeight - 2, 1, palette::outline);
    fillRect(art, 20, signHeight, 3, 8, palette::woodDark);
    fillRect(art, size - 23, signHeight, 3, 8, palette::woodDark);
    outlineOpaque(art, palette::outline);
    sf::Image door = upscale(art, artPixel);
    int scale = 5;
    while (scale > 1 && pixelTextWidth(sign, scale) > 2 * size - 24)
        --scale;
    drawPixelTextCentred(door, sign, size, signHeight + 2, scale, sf::Color(255, 244, 214), palette::outline);
    return door;
}

sf::Image drawTitleBackground(const BackgroundSet& layers)
{
    sf::Image picture = drawBackdrop(layers, 3, 600, true);
    // darken the bottom so the "press any button" line stands out
    for (int y = 760; y < 1080; ++y)
        fillRect(picture, 0, y, 1920, 1, sf::Color(0, 0, 0, static_cast<sf::Uint8>((y - 760) * 140 / 320)));
    return picture;
}
