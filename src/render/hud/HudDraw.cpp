#include "app/Game.h"
#include "render/hud/FlagMark.h"
#include "render/hud/Hud.h"
#include "render/hud/HudBacking.h"
#include "match/Items.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr float screenCentreX = 960.f;   // px
constexpr float mapCellSpacing = 84.f;   // px between minimap cells
constexpr float mapTopDivisor = 13.f;    // the minimap's row is 1/13 of the screen height down
constexpr float mapArrowLift = 64.f;     // px above the live section's cell
constexpr float flagIconScale = 1.25f;
constexpr float sharedFlagScale = 0.9f;  // both flags in one cell
constexpr float sharedFlagOffset = 10.f; // px, diagonal
constexpr float itemFrameGap = 250.f;    // px between the minimap's ends and the item frames
constexpr float itemFrameDrop = 1.25f;   // frame centre y = frame height / this
constexpr float effectDuration = 3.f;    // s
const sf::Vector2f stopFlashPlace(960.f, 270.f);
constexpr float stopFlashFadeRate = 200.f;  // alpha per s
const sf::Vector2f centreTextPlace(960.f, 360.f);
constexpr float suddenDeathBanner = 1.f;    // s the "SUDDEN DEATH" text shows
constexpr float headGap = 20.f;             // px between a fighter's head and its shots or gauge
constexpr float shotFacingShift = 20.f;     // px further right when facing right
constexpr float shotLeftShift = 15.f;       // px
constexpr float shotSpacingPad = 40.f;      // px added to the fighter's width before the quarter step
constexpr float shotSpacingShare = 0.25f;
constexpr int shotCount = 4;
constexpr int napollo = 0;
constexpr int atoola = 1;
constexpr int gigachill = 2;

sf::Vector2f pictureSize(const sf::Sprite& sprite)
{
    const sf::FloatRect bounds = sprite.getLocalBounds();
    return sf::Vector2f(bounds.width, bounds.height);
}

void drawAt(sf::RenderTarget& target, sf::Sprite& sprite, sf::Vector2f position, const sf::RenderStates& states)
{
    sprite.setPosition(position);
    target.draw(sprite, states);
}

int middleSection(const Game& game)
{
    return game.tileMap.lastSection / 2;
}

// One frame per section, the live one marked, the flags in their sections.
void drawMinimap(Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    Hud& hud = game.hud;
    const int last = game.tileMap.lastSection;
    const int m = middleSection(game);
    const float y = static_cast<float>(static_cast<int>(game.resolution.y) / static_cast<int>(mapTopDivisor));
    const FlagMark flags[2] = {flagMark(game, 0), flagMark(game, 1)};
    const bool together = flags[0].section == flags[1].section;
    clearBatch(hud.mapCells);
    for (int i = 0; i <= last; ++i)
        addQuad(hud.mapCells, hud.mapFrame, sf::Vector2f(screenCentreX - static_cast<float>(m - i) * mapCellSpacing, y));
    drawBatch(target, hud.mapCells, states);
    const float liveX = screenCentreX - static_cast<float>(m - game.world.sectionIndex) * mapCellSpacing;
    drawAt(target, hud.mapArrow, sf::Vector2f(liveX, y - mapArrowLift), states);
    for (int f = 0; f < 2; ++f) {
        if (flags[f].section < 0 || flags[f].section > last)
            continue;
        const float x = screenCentreX - static_cast<float>(m - flags[f].section) * mapCellSpacing;
        sf::Sprite& icon = hud.flagIcons[f];
        if (together) {
            const float shift = f == 0 ? -sharedFlagOffset : sharedFlagOffset;
            icon.setScale(sharedFlagScale, sharedFlagScale);
            drawAt(target, icon, sf::Vector2f(x + shift, y - shift), states);
        } else {
            icon.setScale(flagIconScale, flagIconScale);
            drawAt(target, icon, sf::Vector2f(x, y), states);
        }
    }
}

void drawCentredText(sf::RenderTarget& target, sf::Text& text, sf::Vector2f position, const sf::RenderStates& states)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.width / 2.f, bounds.height / 2.f);
    text.setPosition(position);
    target.draw(text, states);
}

// Each frame; under it, while a SPEED or SLOW runs, the bar of the time left;
// the name of the use key while an item waits to be used.
void drawItemFrames(Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    Hud& hud = game.hud;
    const float barHeight = hud.gaugeFills[0].getSize().y;
    for (int i = 0; i < 2; ++i) {
        const Player& player = game.world.players[i];
        const sf::Vector2f frame = itemFramePosition(game, i);
        const sf::Vector2f size = pictureSize(hud.itemFrames[i]);
        drawAt(target, hud.itemFrames[i], frame, states);
        if (effectRunning(player)) {
            sf::RectangleShape& bar = hud.effectBars[i];
            const float left = std::max(effectDuration - effectTime(player), 0.f);
            bar.setPosition(frame.x + size.x / 2.f, frame.y + size.y / 2.f + barHeight / 2.f);
            bar.setSize(sf::Vector2f(-size.x * left / effectDuration, barHeight));
            const sf::Vector2f backPlace(bar.getPosition().x - size.x / 2.f, bar.getPosition().y + barHeight / 2.f);
            drawAt(target, hud.effectBack, backPlace, states);
            target.draw(bar, states);
            drawAt(target, hud.effectFrame, backPlace, states);
        }
    }
    for (int i = 0; i < 2; ++i) {
        const Player& player = game.world.players[i];
        if (!player.item || player.useItemRequest)
            continue;
        const sf::Vector2f frame = itemFramePosition(game, i);
        sf::Text& text = hud.useKeyTexts[i];
        const float textHeight = text.getLocalBounds().height;
        drawCentredText(target, text, sf::Vector2f(frame.x, frame.y + pictureSize(hud.itemFrames[i]).y / 2.f + textHeight / 2.f), states);
    }
}

// One opaque frame when a STOP is used, then a fade of 200 alpha per second.
void drawStopFlash(Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    Hud& hud = game.hud;
    sf::Sprite& overlay = game.stopOverlay;
    if (hud.stopFlash) {
        if (overlay.getColor().a == 255) {
            hud.stopFlash = false;
        } else {
            overlay.setColor(sf::Color::White);
            hud.stopFlashLevel = 255.f;
        }
        drawAt(target, overlay, stopFlashPlace, states);
        return;
    }
    if (hud.stopFlashLevel <= 0.f)
        return;
    // A long frame must not wrap the level round to opaque.
    hud.stopFlashLevel = std::max(hud.stopFlashLevel - game.frameTime * stopFlashFadeRate, 0.f);
    overlay.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(hud.stopFlashLevel)));
    drawAt(target, overlay, stopFlashPlace, states);
}

void drawCaaBars(Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    Hud& hud = game.hud;
    target.draw(hud.caaBack, states);
    target.draw(hud.caaBars[0], states);
    target.draw(hud.caaBars[1], states);
    target.draw(hud.caaFrame, states);
}

// Napollo's rounds, or the dash or shield gauge, above each standing fighter.
void drawAboveHeads(Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    Hud& hud = game.hud;
    clearBatch(hud.loadedShots);
    clearBatch(hud.emptyShots);
    for (int i = 0; i < 2; ++i) {
        const Player& player = game.world.players[i];
        if (player.hitPoints <= 0)
            continue;
        const sf::Vector2f head = worldToScreen(game, player.position - sf::Vector2f(0.f, player.size.y + headGap));
        const float sx = head.x;
        const float y = head.y;
        if (characterKind(player) == napollo) {
            const int loaded = player.skill.ammo;
            const float start = sx + (player.facing > 0 ? shotFacingShift : 0.f) - player.size.x / 2.f - shotLeftShift;
            const float step = (player.size.x + shotSpacingPad) * shotSpacingShare;
            for (int k = 0; k < shotCount; ++k) {
                const sf::Vector2f at(start + static_cast<float>(k) * step, y);
                if (k < loaded)
                    addQuad(hud.loadedShots, hud.ammoIcon, at);
                else
                    addQuad(hud.emptyShots, hud.ammoEmptyIcon, at);
            }
            continue;
        }
        if (characterKind(player) != atoola && characterKind(player) != gigachill)
            continue;
        sf::Sprite& frame = hud.gaugeFrames[i];
        const sf::Vector2f size = pictureSize(frame);
        frame.setPosition(sx, y);
        drawAt(target, hud.gaugeBack, frame.getPosition(), states);
        hud.gaugeFills[i].setPosition(sx - size.x / 2.f, y - size.y / 2.f);
        target.draw(hud.gaugeFills[i], states);
        target.draw(frame, states);
    }
    drawBatch(target, hud.loadedShots, states);
    drawBatch(target, hud.emptyShots, states);
}

void drawItemIcons(Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    for (int i = 0; i < 2; ++i) {
        Player& player = game.world.players[i];
        if (player.item && player.item->kind >= 0 && player.item->kind < itemKindCount)
            drawAt(target, game.itemIcons[player.item->kind], itemFramePosition(game, i), states);
    }
}

bool inFightOrPause(const Game& game)
{
    return game.state == SceneState::Fight || game.state == SceneState::Pause;
}

}  // namespace

sf::Vector2f worldToScreen(const Game& game, sf::Vector2f world)
{
    const sf::View& view = game.world.camera.view;
    return world - (view.getCenter() - view.getSize() / 2.f);
}

sf::Vector2f itemFramePosition(const Game& game, int index)
{
    const Hud& hud = game.hud;
    const int last = game.tileMap.lastSection;
    const int m = middleSection(game);
    const sf::Vector2f size = pictureSize(hud.itemFrames[index]);
    const float y = size.y / itemFrameDrop;
    // A level of many sections widens the minimap past the screen; the frames stay on it.
    if (index == 0)
        return sf::Vector2f(
            std::max(screenCentreX - static_cast<float>(m) * mapCellSpacing - itemFrameGap, size.x / 2.f), y);
    return sf::Vector2f(std::min(screenCentreX + static_cast<float>(last - m) * mapCellSpacing + itemFrameGap,
                                 game.resolution.x - size.x / 2.f),
                        y);
}

void hudDraw(Game& game, sf::RenderTarget& hudLayer, const sf::RenderStates& states)
{
    if (!inFightOrPause(game))
        return;
    // 1. Classic: minimap, timer and item frames (hidden in sudden death and
    // under the pause menu), then the STOP flash.
    if (!game.world.match.caaMode) {
        if (!game.world.match.suddenDeath && game.state != SceneState::Pause) {
            drawHudBacking(game, hudLayer, states);
            drawMinimap(game, hudLayer, states);
            drawCentredText(hudLayer, game.hud.timerText, game.hud.timerText.getPosition(), states);
            drawItemFrames(game, hudLayer, states);
        }
        drawStopFlash(game, hudLayer, states);
    } else {
        // 2. The kill race's bars.
        drawCaaBars(game, hudLayer, states);
    }
    // 3. Fighters outside the view.
    drawOffScreenMarkers(game, hudLayer, states);
    // 4. Countdown, "FIGHT !" or "SUDDEN DEATH".
    if (!game.world.match.fightLive || (game.world.match.suddenDeath && game.world.match.suddenDeathTime < suddenDeathBanner))
        drawCentredText(hudLayer, game.hud.centreText, centreTextPlace, states);
    // 5-6. Above the heads, then the held items in their frames.
    drawAboveHeads(game, hudLayer, states);
    drawItemIcons(game, hudLayer, states);
}
