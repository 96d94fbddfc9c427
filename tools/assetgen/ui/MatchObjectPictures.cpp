#include "ui/UiPictures.h"

#include "AssetWriter.h"
#include "Canvas.h"
#include "ui/UiKit.h"

#include <string>

namespace {

// Sizes in pixels. The crate is one tile. The goal is centred two tiles above
// the floor it stands on, so it is four tiles tall to reach the floor; a flag
// is centred one tile above the floor, so it is two tiles tall. The thumbnail
// grid is three 300 px cells with 50 px gaps centred on the 1920 px screen,
// and its level name is written at two fifths of the height.
const int iconSize = 64;
const int crateSize = 64;
const int goalWidth = 128;
const int goalHeight = 256;
const int flagWidth = 64;
const int flagHeight = 128;
const int stopSize = 320;
const int thumbnailWidth = 300;
const int thumbnailHeight = 250;

const std::string placeholder = "Assets/Placeholder/";

// The round badge every item icon sits on.
sf::Image medallion(sf::Color ring)
{
    sf::Image icon = blankImage(iconSize, iconSize);
    fillEllipse(icon, 1, 1, 62, 62, ui::ink);
    fillEllipse(icon, 3, 3, 58, 58, ring);
    fillEllipse(icon, 7, 7, 50, 50, ui::jungleNight);
    fillEllipse(icon, 9, 8, 46, 24, sf::Color(255, 255, 255, 22));
    return icon;
}

// SPEED: the user runs faster — double chevrons with motion streaks.
sf::Image speedIcon()
{
    sf::Image icon = medallion(sf::Color(110, 200, 60));
    const sf::Color lime(170, 240, 80);
    for (int shift : {0, 14}) {
        const float x = 20.f + shift;
        ui::fillPolygon(icon, {{x, 18}, {x + 10, 18}, {x + 22, 32}, {x + 10, 46}, {x, 46}, {x + 12, 32}}, lime);
    }
    for (int y : {24, 32, 40})
        fillRect(icon, 10, y - 1, 8, 2, sf::Color(220, 255, 180));
    return icon;
}

// STUN: a stunning shot — a bullet trailing dizzy stars.
sf::Image stunIcon()
{
    sf::Image icon = medallion(sf::Color(240, 170, 40));
    fillEllipse(icon, 32, 25, 22, 14, ui::gold);
    fillRect(icon, 20, 25, 22, 14, ui::gold);
    fillRect(icon, 20, 25, 4, 14, ui::goldDark);
    fillRect(icon, 26, 28, 16, 3, sf::Color(255, 240, 170));
    for (const auto& star : {ui::Point{17, 17}, ui::Point{14, 45}, ui::Point{32, 49}}) {
        std::vector<ui::Point> points;
        const std::vector<ui::Point> outer = ui::regularPolygon(star.x, star.y, 6.5f, 5, -90.f);
        const std::vector<ui::Point> inner = ui::regularPolygon(star.x, star.y, 2.8f, 5, -54.f);
        for (int i = 0; i < 5; ++i) {
            points.push_back(outer[static_cast<std::size_t>(i)]);
            points.push_back(inner[static_cast<std::size_t>(i)]);
        }
        ui::fillPolygon(icon, points, sf::Color(255, 250, 150));
    }
    return icon;
}

// SLOW: the opponent crawls — a snail.
sf::Image slowIcon()
{
    sf::Image icon = medallion(sf::Color(150, 90, 210));
    const sf::Color body(200, 220, 150);
    fillRect(icon, 12, 38, 40, 8, body);
    fillEllipse(icon, 42, 30, 12, 16, body);
    drawLine(icon, 46, 30, 44, 20, 2, body);
    drawLine(icon, 51, 30, 53, 21, 2, body);
    fillRect(icon, 43, 19, 3, 3, ui::ink);
    fillRect(icon, 52, 20, 3, 3, ui::ink);
    fillEllipse(icon, 14, 14, 30, 30, sf::Color(170, 100, 50));
    fillEllipse(icon, 19, 19, 20, 20, sf::Color(220, 150, 80));
    fillEllipse(icon, 24, 24, 10, 10, sf::Color(170, 100, 50));
    fillEllipse(icon, 27, 27, 4, 4, sf::Color(240, 190, 120));
    return icon;
}

// A red octagon with a white rim and STOP written across it.
void drawStopSign(sf::Image& image, int centre, float radius, int textScale)
{
    const float c = static_cast<float>(centre);
    ui::fillPolygon(image, ui::regularPolygon(c, c, radius, 8, 22.5f), ui::ink);
    ui::fillPolygon(image, ui::regularPolygon(c, c, radius * 0.94f, 8, 22.5f), sf::Color::White);
    ui::fillPolygon(image, ui::regularPolygon(c, c, radius * 0.84f, 8, 22.5f), sf::Color(204, 30, 36));
    ui::fillPolygon(image, ui::regularPolygon(c, c - radius * 0.05f, radius * 0.8f, 8, 22.5f),
                    sf::Color(226, 48, 48));
    ui::drawLabel(image, "STOP", centre, centre, textScale, sf::Color::White, textScale >= 4 ? 3 : 1,
                  sf::Color(120, 10, 16));
}

// STOP: nobody keeps the right of way.
sf::Image stopIcon()
{
    sf::Image icon = blankImage(iconSize, iconSize);
    drawStopSign(icon, iconSize / 2, 31.f, 2);
    return icon;
}

// SWAP: the two players trade places — a cyan and a red arrow crossing over.
sf::Image swapIcon()
{
    sf::Image icon = medallion(sf::Color(220, 220, 220));
    ui::drawArrowRight(icon, 12, 52, 24, 8, 20, 12, ui::p1Colour);
    sf::Image left = blankImage(iconSize, iconSize);
    ui::drawArrowRight(left, 12, 52, 40, 8, 20, 12, ui::p2Colour);
    blit(icon, left, 0, 0, true);
    return icon;
}

sf::Image crate()
{
    sf::Image box = blankImage(crateSize, crateSize);
    fillRect(box, 0, 0, crateSize, crateSize, ui::ink);
    fillRect(box, 2, 2, crateSize - 4, crateSize - 4, ui::wood);
    for (int y = 2; y < crateSize - 2; y += 12)
        fillRect(box, 2, y, crateSize - 4, 1, ui::woodDark);
    for (int y = 2; y < crateSize - 2; ++y)
        for (int x = 2; x < crateSize - 2; ++x)
            if (hashNoise(x / 4, y, 9u) > 0.9f)
                plot(box, x, y, ui::woodLight);
    strokeRect(box, 2, 2, crateSize - 4, crateSize - 4, 6, ui::woodLight);
    strokeRect(box, 2, 2, crateSize - 4, crateSize - 4, 1, ui::woodDark);
    strokeRect(box, 7, 7, crateSize - 14, crateSize - 14, 1, ui::woodDark);
    drawLine(box, 9, 9, crateSize - 10, crateSize - 10, 5, ui::woodLight);
    drawLine(box, 9, 11, crateSize - 12, crateSize - 10, 1, ui::woodDark);
    for (int x : {3, crateSize - 9})
        for (int y : {3, crateSize - 9}) {
            fillRect(box, x, y, 6, 6, ui::stoneLight);
            plot(box, x + 2, y + 2, ui::ink);
        }
    ui::drawLabel(box, "?", crateSize / 2 + 1, crateSize / 2, 4, ui::gold, 2);
    return box;
}

// The goal: a carved stone totem with a golden nest at the top where the
// captured flag flies in, banded in both players' colours.
sf::Image goal()
{
    sf::Image totem = blankImage(goalWidth, goalHeight);
    const int cx = goalWidth / 2;
    fillRect(totem, 10, goalHeight - 36, goalWidth - 20, 36, ui::stone);
    fillRect(totem, 10, goalHeight - 36, goalWidth - 20, 5, ui::stoneLight);
    fillRect(totem, cx - 30, 40, 60, goalHeight - 76, ui::stone);
    fillRect(totem, cx - 30, 40, 8, goalHeight - 76, ui::stoneLight);
    for (int y = 40; y < goalHeight - 36; ++y)
        for (int x = cx - 30; x < cx + 30; ++x)
            if (hashNoise(x / 3, y / 3, 31u) > 0.85f)
                plot(totem, x, y, shade(ui::stone, 0.8f));
    // Two carved faces.
    for (int face : {76, 148}) {
        fillRect(totem, cx - 22, face, 44, 52, shade(ui::stone, 0.75f));
        fillRect(totem, cx - 16, face + 10, 10, 8, ui::gold);
        fillRect(totem, cx + 6, face + 10, 10, 8, ui::gold);
        fillRect(totem, cx - 3, face + 20, 6, 12, ui::stoneLight);
        fillRect(totem, cx - 14, face + 38, 28, 6, ui::ink);
    }
    fillRect(totem, cx - 30, 134, 60, 6, ui::p1Colour);
    fillRect(totem, cx - 30, 140, 60, 6, ui::p2Colour);
    // The nest.
    fillEllipse(totem, cx - 44, 18, 88, 34, ui::goldDark);
    fillEllipse(totem, cx - 40, 20, 80, 26, ui::gold);
    fillEllipse(totem, cx - 28, 14, 56, 20, sf::Color(255, 244, 190));
    ui::drawLeaves(totem, cx - 40, 40, 30, -1);
    ui::drawLeaves(totem, cx + 40, 40, 30, 1);
    ui::drawLeaves(totem, 16, goalHeight - 34, 22, -1);
    ui::drawLeaves(totem, goalWidth - 16, goalHeight - 34, 22, 1);
    outlineOpaque(totem, ui::ink);
    return totem;
}

sf::Image stopPicture()
{
    sf::Image picture = blankImage(stopSize, stopSize);
    drawStopSign(picture, stopSize / 2, 156.f, 11);
    return picture;
}

// A player's flag on its pole, standing on a stone foot at the picture's bottom.
sf::Image flag(int player)
{
    sf::Image picture = blankImage(flagWidth, flagHeight);
    const sf::Color cloth = ui::playerColour(player);
    fillRect(picture, 12, 6, 5, flagHeight - 14, ui::woodLight);
    fillRect(picture, 15, 6, 2, flagHeight - 14, ui::woodDark);
    fillEllipse(picture, 9, 1, 11, 10, ui::gold);
    // The cloth ripples: its edge follows a small wave.
    for (int x = 17; x < 60; ++x) {
        const int wave = (x / 7) % 2 == 0 ? 0 : 2;
        const int top = 10 + wave, bottom = 52 + wave - (x - 17) / 6;
        fillRect(picture, x, top, 1, bottom - top, (x / 7) % 2 == 0 ? cloth : shade(cloth, 0.85f));
    }
    ui::drawLabel(picture, player == 0 ? "1" : "2", 38, 32, 3, sf::Color::White, 1);
    fillRect(picture, 4, flagHeight - 10, 22, 10, ui::stone);
    fillRect(picture, 4, flagHeight - 10, 22, 3, ui::stoneLight);
    outlineOpaque(picture, ui::ink);
    return picture;
}

// The thumbnail of a custom level: a little jungle scene in a wooden frame,
// with a dark band at two fifths of its height for the level's name.
sf::Image customMapThumbnail()
{
    sf::Image picture = blankImage(thumbnailWidth, thumbnailHeight);
    ui::PanelStyle style;
    ui::drawWoodPanel(picture, 0, 0, thumbnailWidth, thumbnailHeight, style);
    const int left = 12, top = 12, width = thumbnailWidth - 24, height = thumbnailHeight - 42;
    fillGradient(picture, left, top, width, height, sf::Color(120, 190, 200), sf::Color(200, 230, 170));
    // Distant canopy, a dark pit below the ground line, then blocky ground
    // with one gap, two platforms and the two flags at the far ends.
    const int ground = top + height - 40;
    for (int x = left; x < left + width; ++x) {
        const int canopy = 62 + static_cast<int>(hashNoise(x / 12, 0, 5u) * 24.f);
        fillRect(picture, x, top + canopy, 1, ground - top - canopy + 16, sf::Color(70, 130, 96));
        fillRect(picture, x, top + canopy, 1, 3, sf::Color(96, 160, 110));
    }
    fillGradient(picture, left, ground + 16, width, top + height - ground - 16, sf::Color(30, 50, 40),
                 sf::Color(10, 16, 12));
    for (int x = left; x < left + width; x += 16) {
        if (x > left + 120 && x < left + 160)
            continue;
        const int bump = static_cast<int>(hashNoise(x / 16, 1, 6u) * 2.f) * 16;
        fillRect(picture, x, ground - bump, 16, top + height - ground + bump, sf::Color(120, 80, 46));
        fillRect(picture, x, ground - bump, 16, 5, ui::leafLight);
    }
    for (const auto& platform : {sf::Vector2i(left + 36, ground - 64), sf::Vector2i(left + 170, ground - 80)}) {
        fillRect(picture, platform.x, platform.y, 64, 14, ui::ink);
        fillRect(picture, platform.x + 1, platform.y + 1, 62, 12, sf::Color(140, 96, 56));
        fillRect(picture, platform.x + 1, platform.y + 1, 62, 4, ui::leafLight);
    }
    for (int player = 0; player < 2; ++player) {
        const int x = player == 0 ? left + width - 22 : left + 12;
        fillRect(picture, x, ground - 30, 2, 30, ui::woodDark);
        fillRect(picture, x + 2, ground - 30, 10, 8, ui::playerColour(player));
    }
    const int band = thumbnailHeight * 2 / 5;
    fillRect(picture, left, band - 26, width, 52, sf::Color(12, 24, 18, 170));
    ui::drawLabel(picture, "CUSTOM LEVEL", thumbnailWidth / 2, thumbnailHeight - 16, 2, ui::cream, 1);
    return picture;
}

}  // namespace

void generateMatchObjectPictures(AssetContext& ctx)
{
    // The item icons in item-kind order: SPEED, STUN, SLOW, STOP, SWAP.
    const sf::Image icons[5] = {speedIcon(), stunIcon(), slowIcon(), stopIcon(), swapIcon()};
    for (int kind = 0; kind < 5; ++kind) {
        sf::Image icon = icons[kind];
        outlineOpaque(icon, ui::ink);
        writePng(ctx, placeholder + "item" + std::to_string(kind) + ".png", icon);
    }
    writePng(ctx, placeholder + "boite.png", crate());
    writePng(ctx, placeholder + "a.png", goal());
    writePng(ctx, placeholder + "stop.png", stopPicture());
    writePng(ctx, placeholder + "CustomMap.png", customMapThumbnail());
    writePng(ctx, "flag1_placeholder.png", flag(0));
    writePng(ctx, "flag2_placeholder.png", flag(1));
}
