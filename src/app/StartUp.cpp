#include "app/StartUp.h"

#include "app/Game.h"

#include <SFML/System/Clock.hpp>

namespace {

const float loadingPerFrame = 0.1f;  // s: steps start within this much of a splash frame

}  // namespace

void continueStartUp(Game& game)
{
    const sf::Clock spent;
    while (!startUpFinished(game) &&
           (game.state != SceneState::Splash || spent.getElapsedTime().asSeconds() < loadingPerFrame))
        loadNextStartUpStep(game);
}
