#include "app/Game.h"
#include "render/hud/FlagMark.h"
#include "render/hud/Hud.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr float markerInset = 64.f;      // px from the screen edge
constexpr float markerMinScale = 0.5f;
constexpr float markerMaxScale = 2.f;
constexpr float markerSpread = 0.5f;
constexpr float markerDamping = 5.f;
constexpr float farAway = 100000.f;      // px: "keep going this way"
constexpr float degreesPerRadian = 180.f / 3.1415925f;

float markerScale(float numerator, float distance)
{
    return std::clamp(numerator / (distance * distance) / markerDamping, markerMinScale, markerMaxScale);
}

}  // namespace

OffScreenMarker offScreenMarker(const Game& game, const Player& player)
{
    OffScreenMarker marker;
    if (game.world.camera.inTransition || player.hitPoints < 1)
        return marker;
    const float windowWidth = game.resolution.x;
    const float centreX = game.world.camera.view.getCenter().x;
    const float halfWidth = std::trunc(player.size.x / 2.f);
    const float x = player.position.x;
    if (x - halfWidth > centreX + windowWidth / 2.f) {
        const float d = centreX + windowWidth / 2.f - x;
        const float reach =
            (game.world.sectionWidth - windowWidth / 2.f) * (game.world.sectionWidth - windowWidth) * markerSpread;
        marker.shown = true;
        marker.scale = markerScale(reach, d);
        marker.position = sf::Vector2f(windowWidth - markerInset, worldToScreen(game, player.position).y);
    } else if (x + halfWidth < centreX - windowWidth / 2.f) {
        const float e = centreX - windowWidth / 2.f;
        marker.shown = true;
        marker.scale = markerScale(e * markerSpread * e, e - x);
        marker.mirrored = true;
        marker.position = sf::Vector2f(markerInset, worldToScreen(game, player.position).y);
    }
    return marker;
}

void drawOffScreenMarkers(Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    for (int i = 0; i < 2; ++i) {
        const OffScreenMarker marker = offScreenMarker(game, game.world.players[i]);
        if (!marker.shown)
            continue;
        sf::Sprite& picture = game.outOfMapArrows[i];
        picture.setScale(marker.mirrored ? -marker.scale : marker.scale, marker.scale);
        picture.setPosition(marker.position);
        target.draw(picture, states);
    }
}

sf::Vector2f arrowTarget(const Game& game, const Player& player)
{
    const float s = player.index == 1 ? -1.f : 1.f;
    const FlagMark flag = flagMark(game, player.index);
    const int section = game.world.sectionIndex;
    const sf::Vector2f backHome(s * -farAway, player.position.y);
    if (flag.carried && section == game.tileMap.lastSection / 2)
        return game.world.goal;
    if (section == 0 || section == game.tileMap.lastSection)
        return flag.carried ? backHome : flag.position;
    if (flag.carried)
        return backHome;
    if (flag.section == section)
        return flag.position;
    return sf::Vector2f(s * farAway, player.position.y);
}

void drawDirectionArrow(Game& game, const Player& player, sf::RenderTarget& hudLayer, const sf::RenderStates& states)
{
    if (!player.advancing || player.hitPoints <= 0)
        return;
    const sf::Vector2f to = arrowTarget(game, player) - player.position;
    sf::Sprite& arrow = game.hud.directionArrow;
    arrow.setRotation(std::atan2(to.y, to.x) * degreesPerRadian);
    arrow.setPosition(player.position);
    hudLayer.draw(arrow, states);
}
