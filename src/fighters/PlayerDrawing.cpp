#include "fighters/PlayerDrawing.h"

#include "app/Game.h"
#include "fighters/Death.h"

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

constexpr int glowPasses = 50;

bool inHubRoom(SceneState state)
{
    return state == SceneState::MainHub || state == SceneState::ModeSelect || state == SceneState::MapSelect;
}

}  // namespace

void drawPlayer(const Game& game, const Player& player, sf::RenderTarget& target)
{
    const sf::Sprite* sprite = frameSprite(player);
    if (!sprite)
        return;
    const bool glowing = game.fightLive && !inHubRoom(game.state) && player.alive && isProtected(player);
    if (!glowing) {
        target.draw(*sprite);
        return;
    }
    const sf::RenderStates additive(sf::BlendAdd);
    for (int i = 0; i < glowPasses; ++i)
        target.draw(*sprite, additive);
}
