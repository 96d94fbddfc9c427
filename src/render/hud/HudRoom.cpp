#include "app/Game.h"
#include "render/hud/Hud.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>

namespace {

constexpr float screenCentreX = 960.f;  // px
constexpr float cardTopDivisor = 6.f;   // the cards' centres are 1/6 of the screen height down
constexpr unsigned controlTextSize = 28;  // px
constexpr float controlTextGap = 8.f;     // px between the card's foot and who plays it

// Who plays the fighter ("PERSON", "CPU EASY", ...), centred under its card's key hint.
void drawControl(Game& game, sf::RenderTarget& target, int player, sf::Vector2f cardFoot)
{
    sf::Text text(controlLabel(game.playerControls.players[static_cast<std::size_t>(player)]), game.font,
                  controlTextSize);
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width / 2.f, bounds.top);
    text.setPosition(cardFoot.x, cardFoot.y + controlTextGap);
    text.setFillColor(playerColour(player));
    target.draw(text);
}

}  // namespace

void hudDrawRoom(Game& game, sf::RenderTarget& target)
{
    Hud& hud = game.hud;
    const bool paused = game.state == SceneState::Pause;
    // 1. Fighters outside the view (a paused fight has drawn its own).
    if (!(paused && game.pauseMenu.returnState == SceneState::Fight))
        drawOffScreenMarkers(game, target);
    // 2. Each player's card, under it the key that changes the fighter, then who plays it.
    for (int i = 0; i < 2; ++i) {
        const int kind = characterKind(game.world.players[i]);
        if (kind < 0 || kind > 3)
            continue;
        sf::Sprite& card = hud.cards[kind];
        const sf::FloatRect cardSize = card.getLocalBounds();
        const float side = i == 0 ? -1.f : 1.f;
        card.setPosition(screenCentreX + side * cardSize.width, game.resolution.y / cardTopDivisor);
        target.draw(card);
        // The hint is drawn at its scale: who plays goes under its drawn foot.
        sf::Sprite& hint = hud.cycleHints[i];
        hint.setPosition(card.getPosition().x,
                         card.getPosition().y + cardSize.height / 2.f + hint.getLocalBounds().height / 2.f);
        const sf::FloatRect hintBox = hint.getGlobalBounds();
        drawControl(game, target, i, {card.getPosition().x, hintBox.top + hintBox.height});
        if (!paused)
            target.draw(hint);
    }
}
