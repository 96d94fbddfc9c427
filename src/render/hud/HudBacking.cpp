#include "render/hud/HudBacking.h"

#include "app/Game.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

namespace {

constexpr float screenCentreX = 960.f;     // px, as the minimap
constexpr float mapCellSpacing = 84.f;     // px between minimap cells, as the minimap
constexpr float sideMargin = 70.f;         // px beyond the outer cells' centres
constexpr float bandTop = 0.f;             // px, the top of the screen, over the live section's arrow
constexpr float bandBottom = 170.f;        // px, under the timer
const sf::Color bandColour(0, 0, 0, 110);

}  // namespace

void drawHudBacking(const Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    const int last = game.tileMap.lastSection;
    const int middle = last / 2;
    const float left = std::max(0.f, screenCentreX - static_cast<float>(middle) * mapCellSpacing - sideMargin);
    const float right =
        std::min(game.resolution.x, screenCentreX + static_cast<float>(last - middle) * mapCellSpacing + sideMargin);
    sf::RectangleShape band({right - left, bandBottom - bandTop});
    band.setPosition(left, bandTop);
    band.setFillColor(bandColour);
    band.setTexture(&game.hud.white);
    target.draw(band, states);
}
