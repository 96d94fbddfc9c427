#include "render/fight/PlayerDrawing.h"

#include "app/Game.h"
#include "fighters/Death.h"
#include "render/Glow.h"

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

bool inHubRoom(SceneState state)
{
    return state == SceneState::MainHub || state == SceneState::ModeSelect || state == SceneState::MapSelect;
}

}  // namespace

void drawPlayer(const Game& game, const Player& player, sf::RenderTarget& target, const sf::RenderStates& states)
{
    const std::optional<sf::Sprite> sprite = frameSprite(game.fighterFrames, player);
    if (!sprite)
        return;
    // Under the pause menu the paused scene is drawn as it runs.
    const SceneState scene = game.state == SceneState::Pause ? game.pauseMenu.returnState : game.state;
    const bool glowing = game.world.match.fightLive && !inHubRoom(scene) && player.alive && isProtected(player);
    if (!glowing) {
        target.draw(*sprite, states);
        return;
    }
    drawGlowing(*sprite, target, game.glow);
}
