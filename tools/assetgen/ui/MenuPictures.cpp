#include "ui/UiPictures.h"

#include "AssetWriter.h"
#include "Canvas.h"
#include "PixelFont.h"
#include "ui/UiKit.h"

#include <string>
#include <vector>

namespace {

// Sizes in pixels. The two cards stand side by side at the top of the rooms,
// each one card width from the screen centre, with the key hint right under.
const int promptWidth = 220;
const int promptHeight = 84;
const int cardWidth = 360;
const int cardHeight = 244;
const int emblemSize = 64;
const int hintWidth = 360;
const int hintHeight = 64;
const int textLineHeight = 28;

const std::string menu = "Assets/Sprites/Menu/";

// What each fighter kind does, in the order of the kinds.
struct CardText {
    std::string file;
    std::string name;
    std::string role;
    std::vector<std::string> lines;
};

const CardText cards[4] = {
    {"napollodesc.png", "NAPOLLO", "GUNNER",
     {"SKILL: FIRE A SHOT", "4 ROUNDS, THEN EMPTY", "A MELEE HIT RELOADS", "PARRY TO SEND SHOTS BACK"}},
    {"atoolaDesc.png", "ATOOLA", "DASHER",
     {"SKILL: BLADE DASH", "RUN TO FILL THE GAUGE", "A KILL FILLS IT AT ONCE", "NO DAMAGE WHILE DASHING"}},
    {"gigachillDesc.png", "GIGACHILL", "HEAVY",
     {"2 HIT POINTS, SLOWER", "SKILL: GROUND POUND", "STUNS A FOE ON THE GROUND", "SHIELD BACK AFTER 8 S"}},
    {"swapperDesc.png", "SWAPPER", "TRICKSTER",
     {"SKILL: DROP A MARKER", "PRESS AGAIN TO SWAP", "PLACES WITH THE MARKER", "HITS KNOCK MARKERS AWAY"}},
};

// "Press ENTER or the pad's Y button": the bubble over a door.
sf::Image pressKeyPrompt()
{
    sf::Image bubble = blankImage(promptWidth, promptHeight);
    const float mid = promptWidth / 2.f;
    ui::fillRounded(bubble, 2, 2, promptWidth - 4, promptHeight - 18, 8, ui::cream);
    ui::fillPolygon(bubble, {{mid - 12, promptHeight - 17.f}, {mid + 12, promptHeight - 17.f}, {mid, promptHeight - 3.f}},
                    ui::cream);
    fillRect(bubble, 6, promptHeight - 22, promptWidth - 12, 4, sf::Color(214, 200, 160));
    ui::drawKeyCap(bubble, 14, 13, 84, 42, "ENTER");
    drawPixelTextCentred(bubble, "OR", 124, 34, 2, ui::woodDark);
    ui::drawPadButton(bubble, 174, 34, 19, "Y", sf::Color(214, 170, 30));
    outlineOpaque(bubble, ui::ink);
    return bubble;
}

// The emblem of each kind: a pistol, a blade, a shield, a marker.
void drawEmblem(sf::Image& card, int kind, int x, int y)
{
    ui::drawSlot(card, x, y, emblemSize, emblemSize, ui::gold, ui::jungleNight);
    sf::Image emblem = blankImage(emblemSize, emblemSize);
    switch (kind) {
    case 0:
        fillRect(emblem, 12, 20, 38, 12, ui::stoneLight);
        fillRect(emblem, 12, 20, 38, 3, sf::Color(200, 210, 200));
        fillRect(emblem, 46, 16, 4, 5, ui::stoneLight);
        ui::fillPolygon(emblem, {{14, 31}, {28, 31}, {24, 50}, {12, 50}}, ui::woodLight);
        fillRect(emblem, 28, 32, 6, 8, ui::stone);
        fillEllipse(emblem, 52, 22, 8, 8, ui::gold);
        break;
    case 1:
        drawLine(emblem, 16, 48, 48, 16, 6, sf::Color(220, 230, 235));
        drawLine(emblem, 18, 46, 46, 18, 1, sf::Color::White);
        drawLine(emblem, 12, 40, 24, 52, 4, ui::gold);
        drawLine(emblem, 8, 56, 16, 48, 4, ui::woodLight);
        for (int i = 0; i < 3; ++i)
            fillRect(emblem, 36 + i * 6, 44 + i * 4, 14 - i * 3, 2, ui::cream);
        break;
    case 2:
        ui::fillPolygon(emblem, {{12, 12}, {52, 12}, {52, 30}, {32, 54}, {12, 30}}, sf::Color(133, 23, 0));
        ui::fillPolygon(emblem, {{18, 17}, {46, 17}, {46, 29}, {32, 46}, {18, 29}}, sf::Color(190, 60, 20));
        fillRect(emblem, 30, 17, 4, 28, ui::gold);
        fillRect(emblem, 18, 25, 28, 4, ui::gold);
        break;
    default:
        ui::fillPolygon(emblem, ui::regularPolygon(32, 32, 16, 4, 0), sf::Color(190, 120, 240));
        ui::fillPolygon(emblem, ui::regularPolygon(32, 32, 8, 4, 0), sf::Color(240, 210, 255));
        ui::drawArrowRight(emblem, 10, 40, 10, 4, 12, 8, ui::p1Colour);
        sf::Image back = blankImage(emblemSize, emblemSize);
        ui::drawArrowRight(back, 10, 40, 54, 4, 12, 8, ui::p2Colour);
        blit(emblem, back, 0, 0, true);
        break;
    }
    outlineOpaque(emblem, ui::ink);
    blit(card, emblem, x, y);
}

sf::Image descriptionCard(int kind)
{
    const CardText& text = cards[kind];
    sf::Image card = blankImage(cardWidth, cardHeight);
    ui::PanelStyle style;
    ui::drawWoodPanel(card, 0, 0, cardWidth, cardHeight, style);
    drawEmblem(card, kind, 16, 16);
    const int titleCentre = (16 + emblemSize + cardWidth) / 2;
    const int titleScale = ui::fittingScale(text.name, cardWidth - emblemSize - 40, 5);
    ui::drawLabel(card, text.name, titleCentre, 36, titleScale, ui::gold, 2);
    ui::drawLabel(card, text.role, titleCentre, 70, 2, ui::cream, 1);
    fillRect(card, 16, 92, cardWidth - 32, 2, ui::goldDark);
    fillRect(card, 14, 100, cardWidth - 28, textLineHeight * 4 + 8, sf::Color(14, 30, 22, 150));
    for (std::size_t line = 0; line < text.lines.size(); ++line) {
        const int y = 104 + static_cast<int>(line) * textLineHeight + textLineHeight / 2;
        ui::drawLabel(card, text.lines[line], cardWidth / 2, y, 2, ui::cream, 1);
    }
    ui::drawLeaves(card, 12, cardHeight - 12, 26, -1);
    ui::drawLeaves(card, cardWidth - 12, cardHeight - 12, 26, 1);
    return card;
}

// How a player changes fighter: its key (Tab for P1, keypad + for P2) or the
// left and right arms of its controller's direction pad.
sf::Image fighterKeyHint(int player)
{
    sf::Image hint = blankImage(hintWidth, hintHeight);
    const sf::Color colour = ui::playerColour(player);
    ui::drawSlot(hint, 0, 0, hintWidth, hintHeight, colour, sf::Color(14, 30, 22, 225));
    ui::drawKeyCap(hint, 10, 11, 72, 42, player == 0 ? "TAB" : "NUM +");
    drawPixelTextCentred(hint, "OR", 100, hintHeight / 2, 2, ui::cream);
    ui::drawDirectionPad(hint, 140, hintHeight / 2, 38, colour);
    ui::drawLabel(hint, "CHANGE", 262, 22, 2, ui::cream, 1);
    ui::drawLabel(hint, "FIGHTER", 262, 44, 2, ui::cream, 1);
    return hint;
}

}  // namespace

void generateMenuPictures(AssetContext& ctx)
{
    writePng(ctx, menu + "PressKey.png", pressKeyPrompt());
    for (int kind = 0; kind < 4; ++kind)
        writePng(ctx, menu + cards[kind].file, descriptionCard(kind));
    writePng(ctx, menu + "p1charbind.png", fighterKeyHint(0));
    writePng(ctx, menu + "p2charbind.png", fighterKeyHint(1));
}
