#include "world/WorldPictures.h"

#include "Canvas.h"
#include "world/PixelArt.h"

#include <algorithm>

// The tileset: 8 cells of 64 px per row, code c in cell (c mod 8, c div 8).
// Drawn in art pixels (32 per cell) and doubled at the end.
//  0 grass top         1 grass top, left end   2 grass top, right end  3 dirt
//  4 dirt, left side   5 dirt, right side      6 dirt underside        7 grass pillar top
//  8 carved stone      9 water                 10 spikes               11 plank, left end
// 12 plank             13 plank, right end     14 mossy slab           15 temple bricks
// 16 underside, left   17 underside, right     18 vine-wrapped stone   19 dirt with roots

namespace {

constexpr int cell = 32;           // art pixels per cell
constexpr int columnsPerRow = 8;
constexpr int codeCount = 20;

struct Edges {
    bool top = false, left = false, right = false, bottom = false;
};

void dirtBody(sf::Image& img, int ox, int oy, std::uint32_t seed)
{
    fillRect(img, ox, oy, cell, cell, palette::dirt);
    speckle(img, ox, oy, cell, cell, palette::dirtDark, palette::dirtLight, 0.1f, seed);
    // a few flat pebbles
    for (int k = 0; k < 3; ++k) {
        const int px = ox + 3 + static_cast<int>(hashNoise(k, 7, seed) * 24);
        const int py = oy + 8 + static_cast<int>(hashNoise(k, 9, seed) * 20);
        fillRect(img, px, py, 3, 2, palette::stone);
        fillRect(img, px, py, 3, 1, palette::stoneLight);
        fillRect(img, px, py + 2, 3, 1, palette::dirtDeep);
    }
}

// Ground: dirt with a grass cap on the open top and dark rims on open sides.
void drawGround(sf::Image& img, int ox, int oy, Edges open, std::uint32_t seed)
{
    dirtBody(img, ox, oy, seed);
    if (open.bottom) {
        fillRect(img, ox, oy + cell - 5, cell, 5, palette::dirtDark);
        fillRect(img, ox, oy + cell - 2, cell, 2, palette::dirtDeep);
        for (int x = 2; x < cell; x += 7)  // hanging root tips
            fillRect(img, ox + x, oy + cell - 5, 1, 4, palette::woodDark);
    }
    if (open.left) {
        fillRect(img, ox, oy, 2, cell, palette::dirtDark);
        fillRect(img, ox, oy, 1, cell, palette::dirtDeep);
    }
    if (open.right) {
        fillRect(img, ox + cell - 2, oy, 2, cell, palette::dirtDark);
        fillRect(img, ox + cell - 1, oy, 1, cell, palette::dirtDeep);
    }
    if (open.top) {
        for (int x = 0; x < cell; ++x) {
            const int depth = 5 + static_cast<int>(hashNoise(x, 0, seed) * 3.f) + (x % 5 == 2 ? 2 : 0);
            fillRect(img, ox + x, oy, 1, depth, palette::grass);
            plot(img, ox + x, oy + depth, palette::grassDark);
            if (x % 3 != 1)
                plot(img, ox + x, oy + 1, palette::grassLight);
        }
        fillRect(img, ox, oy, cell, 1, palette::grassLight);
        for (int x = 1; x < cell; x += 4)  // blades
            plot(img, ox + x, oy + 2, palette::grassDark);
        if (open.left)
            fillRect(img, ox, oy, 2, 12, palette::grassDark);
        if (open.right)
            fillRect(img, ox + cell - 2, oy, 2, 12, palette::grassDark);
    }
}

void drawStone(sf::Image& img, int ox, int oy, std::uint32_t seed)
{
    fillRect(img, ox, oy, cell, cell, palette::stone);
    speckle(img, ox, oy, cell, cell, palette::stoneDark, palette::stoneLight, 0.06f, seed);
    fillRect(img, ox, oy, cell, 2, palette::stoneLight);
    fillRect(img, ox, oy, 2, cell, palette::stoneLight);
    fillRect(img, ox, oy + cell - 2, cell, 2, palette::stoneDark);
    fillRect(img, ox + cell - 2, oy, 2, cell, palette::stoneDark);
    // carved spiral mark
    strokeRect(img, ox + 10, oy + 10, 12, 12, 1, palette::stoneDark);
    strokeRect(img, ox + 13, oy + 13, 6, 6, 1, palette::stoneDark);
    plot(img, ox + 16, oy + 16, palette::stoneDark);
    strokeRect(img, ox, oy, cell, cell, 1, palette::outline);
}

void drawWater(sf::Image& img, int ox, int oy)
{
    const sf::Color top(120, 200, 240, 190), deep(30, 90, 170, 210);
    fillGradient(img, ox, oy + 2, cell, cell - 2, top, deep);
    for (int x = 0; x < cell; ++x) {
        const int wave = (x / 4) % 2;  // small surface ripple, period 8 so runs join
        fillRect(img, ox + x, oy + wave, 1, 2, sf::Color(210, 245, 255, 230));
    }
    for (int k = 0; k < 4; ++k)  // glints
        fillRect(img, ox + 3 + k * 8, oy + 8 + (k % 2) * 9, 3, 1, sf::Color(190, 235, 255, 160));
}

void drawSpikes(sf::Image& img, int ox, int oy)
{
    const int base = oy + cell - 4;
    fillRect(img, ox, base, cell, 4, palette::stoneDark);
    fillRect(img, ox, base, cell, 1, palette::stone);
    for (int k = 0; k < 4; ++k) {
        const int left = ox + k * 8;
        for (int row = 0; row < 18; ++row) {
            const int half = (18 - row) * 4 / 18;  // 4 art pixels wide at the base, a point at the top
            const int y = base - 18 + row;
            fillRect(img, left + 4 - half, y, half * 2, 1, sf::Color(214, 214, 220));
            fillRect(img, left + 4, y, half, 1, sf::Color(140, 140, 156));
            plot(img, left + 4 - half - 1, y, palette::outline);
            plot(img, left + 4 + half, y, palette::outline);
        }
        plot(img, left + 4, base - 19, palette::outline);
        fillRect(img, left + 3, base - 17, 1, 3, sf::Color(180, 40, 40));  // a stain: these hurt
    }
}

void drawPlank(sf::Image& img, int ox, int oy, bool leftEnd, bool rightEnd, std::uint32_t seed)
{
    const int top = oy + 3, height = cell - 8;
    fillRect(img, ox, top, cell, height, palette::wood);
    speckle(img, ox, top, cell, height, palette::woodDark, palette::woodLight, 0.05f, seed);
    for (int y = top + 6; y < top + height; y += 6)  // board seams
        fillRect(img, ox, y, cell, 1, palette::woodDark);
    fillRect(img, ox, top, cell, 2, palette::woodLight);
    fillRect(img, ox, top + height - 2, cell, 2, palette::woodDark);
    fillRect(img, ox, top - 1, cell, 1, palette::outline);
    fillRect(img, ox, top + height, cell, 1, palette::outline);
    for (int x = 2; x < cell; x += 9)  // moss on top
        fillRect(img, ox + x, top - 2, 3, 2, palette::grass);
    // shadowed underside so a bumped head meets something
    fillRect(img, ox, top + height + 1, cell, cell - height - 4, sf::Color(60, 36, 18, 150));
    if (leftEnd) {
        fillRect(img, ox, top, 2, height, palette::outline);
        fillRect(img, ox + 4, top + 2, 2, height - 4, sf::Color(200, 180, 120));  // rope binding
    }
    if (rightEnd) {
        fillRect(img, ox + cell - 2, top, 2, height, palette::outline);
        fillRect(img, ox + cell - 6, top + 2, 2, height - 4, sf::Color(200, 180, 120));
    }
}

void drawSlab(sf::Image& img, int ox, int oy, std::uint32_t seed)
{
    fillRect(img, ox + 1, oy + 2, cell - 2, cell - 4, palette::stone);
    speckle(img, ox + 1, oy + 2, cell - 2, cell - 4, palette::stoneDark, palette::stoneLight, 0.07f, seed);
    fillRect(img, ox + 1, oy + cell - 5, cell - 2, 3, palette::stoneDark);
    strokeRect(img, ox, oy + 1, cell, cell - 2, 1, palette::outline);
    for (int x = 1; x < cell - 1; ++x) {  // moss cap dripping over the edge
        const int depth = 3 + static_cast<int>(hashNoise(x, 3, seed) * 4.f);
        fillRect(img, ox + x, oy + 2, 1, depth, palette::grass);
        plot(img, ox + x, oy + 2, palette::grassLight);
    }
}

void drawBricks(sf::Image& img, int ox, int oy, std::uint32_t seed)
{
    fillRect(img, ox, oy, cell, cell, palette::sandDark);
    for (int row = 0; row < 4; ++row) {
        const int shift = (row % 2) * 8;
        for (int b = -1; b < 3; ++b) {
            const int bx = ox + shift + b * 16, by = oy + row * 8;
            const int left = std::max(bx, ox), right = std::min(bx + 15, ox + cell);
            if (right <= left)
                continue;
            fillRect(img, left, by, right - left, 7, palette::sand);
            fillRect(img, left, by, right - left, 1, palette::sandLight);
            speckle(img, left, by + 1, right - left, 6, palette::sandDark, palette::sandLight, 0.05f,
                    seed + static_cast<std::uint32_t>(row * 4 + b + 1));
        }
    }
}

void drawVineStone(sf::Image& img, int ox, int oy, std::uint32_t seed)
{
    drawStone(img, ox, oy, seed);
    for (int y = 0; y < cell; ++y) {  // two vines winding down
        const int a = 6 + ((y / 3) % 4 < 2 ? (y / 3) % 2 : 1 - (y / 3) % 2) * 2;
        fillRect(img, ox + a, oy + y, 2, 1, palette::vine);
        fillRect(img, ox + a + 16, oy + y, 2, 1, palette::grassDark);
        if (y % 7 == 3) {
            fillRect(img, ox + a + 2, oy + y, 3, 2, palette::grass);
            fillRect(img, ox + a + 13, oy + y + 2, 3, 2, palette::grass);
        }
    }
}

void drawRoots(sf::Image& img, int ox, int oy, std::uint32_t seed)
{
    dirtBody(img, ox, oy, seed);
    drawLine(img, ox + 2, oy, ox + 12, oy + 14, 1, palette::woodDark);
    drawLine(img, ox + 12, oy + 14, ox + 9, oy + 28, 1, palette::woodDark);
    drawLine(img, ox + 12, oy + 14, ox + 22, oy + 20, 1, palette::woodDark);
    // a little fossil shell
    fillEllipse(img, ox + 20, oy + 5, 6, 5, palette::dirtLight);
    plot(img, ox + 22, oy + 7, palette::dirtDark);
}

void drawCode(sf::Image& img, int code, int ox, int oy)
{
    const std::uint32_t seed = 1000u + static_cast<std::uint32_t>(code) * 17u;
    switch (code) {
    case 0: drawGround(img, ox, oy, {true, false, false, false}, seed); break;
    case 1: drawGround(img, ox, oy, {true, true, false, false}, seed); break;
    case 2: drawGround(img, ox, oy, {true, false, true, false}, seed); break;
    case 3: drawGround(img, ox, oy, {}, seed); break;
    case 4: drawGround(img, ox, oy, {false, true, false, false}, seed); break;
    case 5: drawGround(img, ox, oy, {false, false, true, false}, seed); break;
    case 6: drawGround(img, ox, oy, {false, false, false, true}, seed); break;
    case 7: drawGround(img, ox, oy, {true, true, true, false}, seed); break;
    case 8: drawStone(img, ox, oy, seed); break;
    case 9: drawWater(img, ox, oy); break;
    case 10: drawSpikes(img, ox, oy); break;
    case 11: drawPlank(img, ox, oy, true, false, seed); break;
    case 12: drawPlank(img, ox, oy, false, false, seed); break;
    case 13: drawPlank(img, ox, oy, false, true, seed); break;
    case 14: drawSlab(img, ox, oy, seed); break;
    case 15: drawBricks(img, ox, oy, seed); break;
    case 16: drawGround(img, ox, oy, {false, true, false, true}, seed); break;
    case 17: drawGround(img, ox, oy, {false, false, true, true}, seed); break;
    case 18: drawVineStone(img, ox, oy, seed); break;
    default: drawRoots(img, ox, oy, seed); break;
    }
}

}  // namespace

sf::Image drawTileset()
{
    const int rows = (codeCount + columnsPerRow - 1) / columnsPerRow;
    sf::Image art = blankImage(columnsPerRow * cell, rows * cell);
    for (int code = 0; code < codeCount; ++code)
        drawCode(art, code, (code % columnsPerRow) * cell, (code / columnsPerRow) * cell);
    return upscale(art, artPixel);
}
