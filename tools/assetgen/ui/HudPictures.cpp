#include "ui/UiPictures.h"

#include "AssetWriter.h"
#include "Canvas.h"
#include "PixelFont.h"
#include "ui/UiKit.h"

namespace {

// Sizes in pixels. The minimap cells stand 84 px apart; the item frame holds a
// 64 px item icon; the duration bar is as wide as the item frame and as tall
// as the fighters' gauge; the kill-race bars sit at (66, 94) and (66, 134) in
// their frame, 34 px tall, growing 54 px per kill up to six kills.
const int mapFrameWidth = 72;
const int mapFrameHeight = 56;
const int itemFrameSize = 96;
const int gaugeWidth = 96;
const int gaugeHeight = 18;
const int caaWidth = 456;
const int caaHeight = 184;
const int caaBarLeft = 66;
const int caaBarTops[2] = {94, 134};
const int caaBarHeight = 34;
const int caaKillWidth = 54;
const int caaKillsToWin = 6;
const int directionArrowWidth = 112;  // the game turns it about 100 px behind its right end
const int directionArrowHeight = 48;
const int victoryWidth = 1100;
const int victoryHeight = 420;

const std::string hud = "Assets/Sprites/HUD/";

const sf::Color backing(12, 24, 18, 170);

// An empty frame (only its border is opaque), for bars drawn underneath.
sf::Image borderFrame(int width, int height, sf::Color border)
{
    sf::Image frame = blankImage(static_cast<unsigned>(width), static_cast<unsigned>(height));
    strokeRect(frame, 0, 0, width, height, 1, ui::ink);
    strokeRect(frame, 1, 1, width - 2, height - 2, 2, border);
    strokeRect(frame, 3, 3, width - 6, height - 6, 1, sf::Color(18, 22, 16, 150));
    return frame;
}

sf::Image backingPlate(int width, int height)
{
    sf::Image plate = blankImage(static_cast<unsigned>(width), static_cast<unsigned>(height));
    ui::fillRounded(plate, 0, 0, width, height, 2, backing);
    return plate;
}

// The gauge frame above Atoola's and Gigachill's heads, with quarter ticks.
sf::Image gaugeFrame()
{
    sf::Image frame = borderFrame(gaugeWidth, gaugeHeight, ui::woodLight);
    for (int i = 1; i < 4; ++i)
        fillRect(frame, i * gaugeWidth / 4, 3, 1, 4, ui::ink);
    return frame;
}

sf::Image mapFrame()
{
    sf::Image frame = blankImage(mapFrameWidth, mapFrameHeight);
    ui::drawSlot(frame, 0, 0, mapFrameWidth, mapFrameHeight, ui::woodLight, sf::Color(24, 52, 34, 200));
    // A faint strip of ground at the bottom of each section cell.
    fillRect(frame, 3, mapFrameHeight - 12, mapFrameWidth - 6, 9, sf::Color(70, 110, 50, 200));
    fillRect(frame, 3, mapFrameHeight - 12, mapFrameWidth - 6, 2, ui::leafLight);
    return frame;
}

sf::Image mapArrow()
{
    sf::Image arrow = blankImage(36, 28);
    ui::fillPolygon(arrow, {{3, 3}, {33, 3}, {18, 25}}, ui::gold);
    ui::fillPolygon(arrow, {{8, 5}, {28, 5}, {18, 19}}, sf::Color(255, 230, 130));
    outlineOpaque(arrow, ui::ink);
    return arrow;
}

// A pennant on a pole, the minimap's sign for a player's flag.
sf::Image flagIcon(int player)
{
    sf::Image icon = blankImage(32, 32);
    const sf::Color cloth = ui::playerColour(player);
    fillRect(icon, 7, 3, 3, 27, ui::woodLight);
    ui::fillPolygon(icon, {{10, 4}, {29, 10}, {10, 17}}, cloth);
    ui::fillPolygon(icon, {{10, 11}, {29, 10}, {10, 17}}, shade(cloth, 0.75f));
    fillRect(icon, 4, 28, 9, 3, ui::stone);
    outlineOpaque(icon, ui::ink);
    return icon;
}

sf::Image itemFrame(int player)
{
    sf::Image frame = blankImage(itemFrameSize, itemFrameSize);
    const sf::Color colour = ui::playerColour(player);
    ui::drawSlot(frame, 0, 0, itemFrameSize, itemFrameSize, colour, sf::Color(14, 30, 22, 190));
    strokeRect(frame, 5, 5, itemFrameSize - 10, itemFrameSize - 10, 1, shade(colour, 0.55f));
    fillRect(frame, 3, 3, 22, 13, colour);
    drawPixelText(frame, player == 0 ? "P1" : "P2", 4, 6, 1, ui::ink);
    ui::drawLeaves(frame, itemFrameSize - 6, itemFrameSize - 6, 14, -1);
    return frame;
}

// One of Napollo's four rounds above its head; a spent round keeps the
// bullet's outline, hollow and grey, so the count stays readable.
sf::Image ammoIcon(bool loaded)
{
    sf::Image icon = blankImage(20, 28);
    const sf::Color tip = loaded ? sf::Color(222, 150, 70) : sf::Color(96, 100, 96, 230);
    const sf::Color casing = loaded ? ui::gold : sf::Color(120, 124, 118, 230);
    fillEllipse(icon, 5, 2, 10, 14, tip);
    fillRect(icon, 5, 9, 10, 9, tip);
    fillRect(icon, 4, 16, 12, 9, casing);
    if (loaded) {
        fillRect(icon, 4, 16, 3, 9, sf::Color(255, 236, 150));
        fillRect(icon, 4, 23, 12, 2, ui::goldDark);
        fillRect(icon, 7, 4, 2, 8, sf::Color(255, 214, 160));
    } else {
        fillEllipse(icon, 7, 5, 6, 10, sf::Color(30, 34, 30, 230));
        fillRect(icon, 7, 10, 6, 12, sf::Color(30, 34, 30, 230));
    }
    outlineOpaque(icon, ui::ink);
    return icon;
}

// The kill-race plaque: a wooden frame with two windows the kill bars show
// through, one cell per kill, the fighter changes marked at 2 and 4 kills.
sf::Image caaFrame()
{
    sf::Image frame = blankImage(caaWidth, caaHeight);
    ui::PanelStyle style;
    ui::drawWoodPanel(frame, 0, 0, caaWidth, caaHeight, style);
    const int barWidth = caaKillWidth * caaKillsToWin;
    ui::drawLabel(frame, "FIRST TO 6 KILLS", caaWidth / 2, 46, 3, ui::gold, 2);
    for (int player = 0; player < 2; ++player) {
        const int top = caaBarTops[player];
        // Open the window, then frame it and split it into kill cells.
        for (int y = top; y < top + caaBarHeight; ++y)
            for (int x = caaBarLeft; x < caaBarLeft + barWidth; ++x)
                frame.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), sf::Color::Transparent);
        strokeRect(frame, caaBarLeft - 3, top - 3, barWidth + 6, caaBarHeight + 6, 3, ui::ink);
        for (int kill = 1; kill < caaKillsToWin; ++kill) {
            const bool change = kill == 2 || kill == 4;
            fillRect(frame, caaBarLeft + kill * caaKillWidth - 1, top, 2, caaBarHeight,
                     change ? ui::gold : sf::Color(18, 22, 16, 200));
        }
        ui::drawLabel(frame, player == 0 ? "P1" : "P2", caaBarLeft / 2 + 2, top + caaBarHeight / 2, 3,
                      ui::playerColour(player), 2);
    }
    // A small trophy at the finishing end.
    const int tx = caaBarLeft + barWidth + (caaWidth - caaBarLeft - barWidth) / 2;
    fillEllipse(frame, tx - 14, 104, 28, 26, ui::gold);
    fillRect(frame, tx - 14, 104, 28, 10, ui::gold);
    fillRect(frame, tx - 3, 128, 6, 12, ui::goldDark);
    fillRect(frame, tx - 11, 140, 22, 7, ui::gold);
    fillRect(frame, tx - 8, 108, 4, 14, sf::Color(255, 236, 150));
    return frame;
}

sf::Image directionArrow()
{
    sf::Image arrow = blankImage(directionArrowWidth, directionArrowHeight);
    const int cy = directionArrowHeight / 2;
    ui::drawArrowRight(arrow, 58, directionArrowWidth - 3, cy, 14, 40, 26, ui::gold);
    ui::drawArrowRight(arrow, 60, directionArrowWidth - 9, cy - 2, 6, 26, 18, sf::Color(255, 236, 150));
    outlineOpaque(arrow, ui::ink);
    return arrow;
}

// The marker at the screen edge for a fighter out of view: a badge in the
// player's colour and a head pointing right (the game mirrors it for the left).
sf::Image outOfMapArrow(int player)
{
    sf::Image arrow = blankImage(64, 64);
    const sf::Color colour = ui::playerColour(player);
    ui::fillPolygon(arrow, {{30, 10}, {61, 32}, {30, 54}}, colour);
    fillEllipse(arrow, 3, 11, 42, 42, colour);
    fillEllipse(arrow, 9, 17, 30, 30, shade(colour, 0.55f));
    // A fighter's head and shoulders inside the badge.
    fillEllipse(arrow, 18, 20, 12, 12, ui::cream);
    fillEllipse(arrow, 13, 33, 22, 16, ui::cream);
    fillRect(arrow, 13, 41, 22, 6, shade(colour, 0.55f));
    outlineOpaque(arrow, ui::ink);
    return arrow;
}

sf::Image victoryPicture(int player)
{
    sf::Image picture = blankImage(victoryWidth, victoryHeight);
    const sf::Color colour = ui::playerColour(player);
    ui::PanelStyle style;
    style.trim = ui::gold;
    ui::drawWoodPanel(picture, 40, 70, victoryWidth - 80, victoryHeight - 90, style);
    // A band of the winner's colour behind the name.
    fillRect(picture, 52, 120, victoryWidth - 104, 150, shade(colour, 0.45f));
    fillRect(picture, 52, 120, victoryWidth - 104, 4, colour);
    fillRect(picture, 52, 266, victoryWidth - 104, 4, colour);
    ui::drawLabel(picture, player == 0 ? "PLAYER 1" : "PLAYER 2", victoryWidth / 2, 195, 14, colour, 5);
    ui::drawLabel(picture, "WINS!", victoryWidth / 2, 330, 10, ui::gold, 4);
    // A crown over the plaque and leaves at its corners.
    const float cx = victoryWidth / 2.f;
    ui::fillPolygon(picture,
                    {{cx - 70, 86}, {cx - 70, 30}, {cx - 35, 58}, {cx, 14}, {cx + 35, 58}, {cx + 70, 30},
                     {cx + 70, 86}},
                    ui::gold);
    fillRect(picture, static_cast<int>(cx) - 70, 74, 140, 12, ui::goldDark);
    for (int gem = -1; gem <= 1; ++gem)
        fillEllipse(picture, static_cast<int>(cx) + gem * 40 - 6, 60, 12, 12, colour);
    ui::drawLeaves(picture, 52, 88, 60, -1);
    ui::drawLeaves(picture, victoryWidth - 52, 88, 60, 1);
    ui::drawLeaves(picture, 52, victoryHeight - 30, 50, -1);
    ui::drawLeaves(picture, victoryWidth - 52, victoryHeight - 30, 50, 1);
    outlineOpaque(picture, ui::ink);
    return picture;
}

}  // namespace

void generateHudPictures(AssetContext& ctx)
{
    writePng(ctx, hud + "mapframe.png", mapFrame());
    writePng(ctx, hud + "playersarrowmap.png", mapArrow());
    for (int player = 0; player < 2; ++player) {
        const std::string number = player == 0 ? "1" : "2";
        writePng(ctx, hud + "Flag" + number + ".png", flagIcon(player));
        writePng(ctx, hud + "p" + number + "itemframe.png", itemFrame(player));
        writePng(ctx, hud + "P" + number + "outofmap.png", outOfMapArrow(player));
        writePng(ctx, hud + "VictoryScreenPlayer" + number + ".png", victoryPicture(player));
    }
    writePng(ctx, hud + "itemdurationframe.png", borderFrame(itemFrameSize, gaugeHeight, ui::gold));
    writePng(ctx, hud + "itemdurationopacity.png", backingPlate(itemFrameSize, gaugeHeight));
    writePng(ctx, hud + "fillbar.png", gaugeFrame());
    writePng(ctx, hud + "fillbaropacity.png", backingPlate(gaugeWidth, gaugeHeight));
    writePng(ctx, hud + "napollohud.png", ammoIcon(true));
    writePng(ctx, hud + "napollohudEmpty.png", ammoIcon(false));
    writePng(ctx, hud + "HUDCAA.png", caaFrame());
    writePng(ctx, hud + "caaopacity.png", backingPlate(caaWidth, caaHeight));
    writePng(ctx, hud + "DirectionArrow.png", directionArrow());
}
