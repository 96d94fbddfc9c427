#include "app/Game.h"
#include "render/hud/Hud.h"

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

constexpr float screenCentreX = 960.f;  // px
constexpr float cardTopDivisor = 6.f;   // the cards' centres are 1/6 of the screen height down

}  // namespace

void hudDrawRoom(Game& game, sf::RenderTarget& target)
{
    Hud& hud = game.hud;
    const bool paused = game.state == SceneState::Pause;
    // 1. Fighters outside the view (a paused fight has drawn its own).
    if (!(paused && game.pauseMenu.returnState == SceneState::Fight))
        drawOffScreenMarkers(game, target);
    // 2. Each player's card, and under it the key that changes the fighter.
    for (int i = 0; i < 2; ++i) {
        const int kind = characterKind(game.world.players[i]);
        if (kind < 0 || kind > 3)
            continue;
        sf::Sprite& card = hud.cards[kind];
        const sf::FloatRect cardSize = card.getLocalBounds();
        const float side = i == 0 ? -1.f : 1.f;
        card.setPosition(screenCentreX + side * cardSize.width, game.resolution.y / cardTopDivisor);
        target.draw(card);
        if (paused)
            continue;
        sf::Sprite& hint = hud.cycleHints[i];
        hint.setPosition(card.getPosition().x,
                         card.getPosition().y + cardSize.height / 2.f + hint.getLocalBounds().height / 2.f);
        target.draw(hint);
    }
}
