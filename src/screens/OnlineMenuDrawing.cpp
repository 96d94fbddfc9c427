#include "screens/OnlineMenu.h"

#include "app/Game.h"
#include "menus/BackLine.h"
#include "render/FrameTarget.h"
#include "resources/Caption.h"

#include <SFML/Graphics/RectangleShape.hpp>

// The online screens: the mode room's wall behind a dark panel, the title,
// the buttons and rows, what the host tells the other player, the fighter
// this side plays, the last refusal and the keys and pad buttons to use.

namespace {

const int roomPicture = 2;                    // the mode room's right-hand wall
const sf::FloatRect panel{330.f, 90.f, 1260.f, 880.f};  // px, logical screen
const sf::Color panelFill(20, 38, 30, 215);
const sf::Color panelEdge(244, 196, 62);
constexpr float panelEdgeWidth = 4.f;   // px
constexpr unsigned titleSize = 72;      // px
constexpr float titleY = 170.f;         // px
constexpr unsigned rowSize = 40;        // px, a row's label and value
constexpr unsigned noteSize = 30;       // px, the lines under the rows
constexpr unsigned helpSize = 26;       // px, the keys to use
const float rowsTop = 300.f;            // px, the first row's centre
const float rowGap = 92.f;              // px between rows
const float labelLeft = 440.f;          // px, where a row's label starts
const float valueCentre = 1120.f;       // px, a row's value
constexpr float cursorHeight = 5.f;     // px, the bar under the marked character
constexpr float cursorBelow = 26.f;     // px under the value's centre
constexpr float freePlaceWidth = 22.f;  // px, the cursor's width after the last character
const sf::Color labelColour(250, 240, 208);
const sf::Color chosenColour(244, 196, 62);
const sf::Color dimColour(150, 150, 140);
const sf::Color messageColour(255, 226, 140);
const sf::Color hintColour(120, 130, 120);
const char* const kindNames[] = {"NAPOLLO", "ATOOLA", "GIGACHILL", "SWAPPER"};

float middle(const Game& game)
{
    return game.resolution.x / 2.f;
}

void drawBackdrop(const Game& game, sf::RenderTarget& target)
{
    sf::Sprite wall = game.roomBackgrounds[roomPicture];
    wall.setPosition(0.f, 0.f);
    target.draw(wall);
    sf::RectangleShape box({panel.width, panel.height});
    box.setPosition(panel.left, panel.top);
    box.setFillColor(panelFill);
    box.setOutlineColor(panelEdge);
    box.setOutlineThickness(panelEdgeWidth);
    target.draw(box);
}

void drawButton(sf::RenderTarget& target, Button& button, sf::Vector2f at)
{
    button.position = at;
    button.sprite.setPosition(at);
    target.draw(button.sprite);
}

// A row: the slot (lit when chosen), the label on its left, the value in its middle.
void drawRow(OnlineMenu& menu, sf::RenderTarget& target, int index, const std::string& label, sf::Text value,
             bool chosen)
{
    const float y = rowsTop + rowGap * static_cast<float>(index);
    const sf::Vector2u size = menu.field.getTexture() ? menu.field.getTexture()->getSize() : sf::Vector2u(2, 2);
    const int frameWidth = static_cast<int>(size.x / 2);
    menu.field.setTextureRect({chosen ? frameWidth : 0, 0, frameWidth, static_cast<int>(size.y)});
    menu.field.setOrigin(static_cast<float>(frameWidth) / 2.f, static_cast<float>(size.y) / 2.f);
    menu.field.setPosition(middle(*menu.game), y);
    target.draw(menu.field);
    sf::Text name = captionText(menu.game->font, label, rowSize, {0.f, y}, chosen ? chosenColour : labelColour);
    name.setPosition(labelLeft + name.getOrigin().x, y);
    target.draw(name);
    value.setPosition(value.getPosition().x, y);
    target.draw(value);
}

// A typed line's text with a bar under the character the cursor marks.
void drawTypedValue(OnlineMenu& menu, sf::RenderTarget& target, const TypedLine& line, sf::Vector2f centre,
                    const std::string& emptyHint, bool showCursor)
{
    const Game& game = *menu.game;
    if (line.text.empty()) {
        target.draw(captionText(game.font, emptyHint, rowSize, centre, hintColour));
        if (!showCursor)
            return;
    }
    const sf::Text text = captionText(game.font, line.text.empty() ? " " : line.text, rowSize, centre, labelColour);
    if (!line.text.empty())
        target.draw(text);
    if (!showCursor)
        return;
    const sf::Vector2f left = text.findCharacterPos(line.cursor);
    const float width = line.cursor < line.text.size() ? text.findCharacterPos(line.cursor + 1).x - left.x
                                                       : freePlaceWidth;
    sf::RectangleShape bar({width, cursorHeight});
    bar.setPosition(left.x, centre.y + cursorBelow);
    bar.setFillColor(chosenColour);
    target.draw(bar);
}

void drawFighterLine(const Game& game, sf::RenderTarget& target, float y)
{
    drawCaption(target, game.font, std::string("YOUR FIGHTER: ") + kindNames[ownFighter(game)], noteSize,
                {middle(game), y});
}

void drawMessage(const OnlineMenu& menu, sf::RenderTarget& target, float y)
{
    if (menu.message.empty())
        return;
    sf::Text line = captionText(menu.game->font, menu.message, noteSize, {middle(*menu.game), y}, messageColour);
    fitTextWidth(line, panel.width - 60.f);
    target.draw(line);
}

void drawChoicePage(OnlineMenu& menu, sf::RenderTarget& target)
{
    const Game& game = *menu.game;
    drawCaption(target, game.font, "ONLINE", titleSize, {middle(game), titleY});
    drawButton(target, menu.hostButton, {middle(game), 380.f});
    drawCaption(target, game.font, "wait here for the other player", helpSize, {middle(game), 450.f}, dimColour);
    drawButton(target, menu.joinButton, {middle(game), 560.f});
    drawCaption(target, game.font, "connect to the other player's game", helpSize, {middle(game), 630.f}, dimColour);
    drawFighterLine(game, target, 740.f);
    drawCaption(target, game.font, "Up / Down: choose   Enter / A: open", helpSize, {middle(game), 850.f}, dimColour);
}

void drawHostPage(OnlineMenu& menu, sf::RenderTarget& target)
{
    Game& game = *menu.game;
    const HostPage& host = menu.host;
    drawCaption(target, game.font, "HOST A MATCH", titleSize, {middle(game), titleY});
    // 1. The rows: port, mode, level.
    const float rowY[3] = {rowsTop, rowsTop + rowGap, rowsTop + 2.f * rowGap};
    drawRow(menu, target, 0, "PORT", sf::Text(), host.row == HostRow::Port);
    drawTypedValue(menu, target, host.port, {valueCentre, rowY[0]}, std::to_string(onlineDefaultPort),
                   host.row == HostRow::Port);
    const bool classic = host.mode == ReplayMode::Classic;
    drawRow(menu, target, 1, "MODE",
            captionText(game.font, classic ? "<  CLASSIC  >" : "<  KILL RACE  >", rowSize, {valueCentre, rowY[1]}),
            host.row == HostRow::Mode);
    const std::string levelName = hostLevelChoices(host) > 1 ? "<  " + hostLevelName(host) + "  >" : hostLevelName(host);
    sf::Text level = classic ? captionText(game.font, levelName, rowSize, {valueCentre, rowY[2]})
                             : captionText(game.font, "ARENA", rowSize, {valueCentre, rowY[2]}, dimColour);
    fitTextWidth(level, 560.f);
    drawRow(menu, target, 2, "LEVEL", level, host.row == HostRow::Level);
    // 2. Start, then where the other player connects.
    drawButton(target, menu.startButton, {middle(game), 600.f});
    std::string addresses;
    for (const std::string& address : host.addresses)
        addresses += (addresses.empty() ? "" : "   ") + address;
    sf::Text here = captionText(game.font, "THIS MACHINE: " + (addresses.empty() ? "no address found" : addresses),
                                noteSize, {middle(game), 700.f});
    fitTextWidth(here, panel.width - 60.f);
    target.draw(here);
    drawCaption(target, game.font, "the other player joins one of these, port " + host.port.text, helpSize,
                {middle(game), 745.f}, dimColour);
    drawFighterLine(game, target, 795.f);
    drawMessage(menu, target, 850.f);
    drawCaption(target, game.font,
                host.editingPort ? "PAD: up / down change the digit, left / right move, A or B: done"
                                 : "Up / Down: row   Left / Right: change   type the port   A on PORT: edit",
                helpSize, {middle(game), 910.f}, dimColour);
}

void drawJoinPage(OnlineMenu& menu, sf::RenderTarget& target)
{
    Game& game = *menu.game;
    drawCaption(target, game.font, "JOIN A MATCH", titleSize, {middle(game), titleY});
    drawRow(menu, target, 1, "ADDRESS", sf::Text(), true);
    drawTypedValue(menu, target, menu.join.address, {valueCentre, rowsTop + rowGap}, "192.168.1.20:7311", true);
    drawButton(target, menu.joinButton, {middle(game), 540.f});
    drawFighterLine(game, target, 640.f);
    drawMessage(menu, target, 700.f);
    drawCaption(target, game.font, "KEYS: digits . and :   Backspace erases   Enter joins", helpSize,
                {middle(game), 790.f}, dimColour);
    drawCaption(target, game.font, "PAD: up / down change the marked character, left / right move,", helpSize,
                {middle(game), 835.f}, dimColour);
    drawCaption(target, game.font,
                "X erases, A joins   (the port is " + std::to_string(onlineDefaultPort) + " when left out)", helpSize,
                {middle(game), 872.f}, dimColour);
}

}  // namespace

void drawOnlineMenu(OnlineMenu& menu, FrameTarget& frame)
{
    Game& game = *menu.game;
    sf::RenderTarget& target = *frame.target;
    aimAtScreen(frame, game);
    drawBackdrop(game, target);
    switch (menu.page) {
    case OnlinePage::Choice: drawChoicePage(menu, target); break;
    case OnlinePage::Host: drawHostPage(menu, target); break;
    case OnlinePage::Join: drawJoinPage(menu, target); break;
    }
    drawBackLine(target, game);
}
