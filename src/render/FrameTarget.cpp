#include "render/FrameTarget.h"

#include "app/Game.h"
#include "app/Viewport.h"

namespace {

bool isRoom(SceneState state)
{
    return state == SceneState::MainHub || state == SceneState::ModeSelect || state == SceneState::MapSelect;
}

}  // namespace

FightLook fightLook(const Game& game)
{
    if (!game.world.match.fightLive && !game.world.match.suddenDeath)
        return FightLook::Grey;
    if (game.world.match.matchTimer <= lastMinute)
        return FightLook::Red;
    return FightLook::Plain;
}

bool drawsStraight(const Game& game)
{
    if (game.vortexLevel > 0.f)
        return false;
    // The pause menu stands over a room or a fight, always untinted; the
    // options over the paused scene's backdrop.
    if (isRoom(game.state) || game.state == SceneState::Pause || game.state == SceneState::Options)
        return true;
    // Sudden death's wobble reads its whole background, and its red goes
    // over the wobbled picture: it is drawn in the screen layer.
    return game.state == SceneState::Fight && !(game.world.match.suddenDeath && fightLook(game) != FightLook::Plain);
}

FrameTarget layerFrame(Game& game)
{
    FrameTarget frame;
    frame.target = &game.screenLayer;
    return frame;
}

FrameTarget windowFrame(Game& game, sf::RenderTarget& window)
{
    FrameTarget frame;
    frame.target = &window;
    frame.straight = true;
    frame.viewport = letterboxView(game.resolution, window.getSize()).getViewport();
    return frame;
}

FrameTarget frameTarget(Game& game, sf::RenderTarget& window)
{
    return drawsStraight(game) ? windowFrame(game, window) : layerFrame(game);
}

void aimAtScreen(FrameTarget& frame, const Game& game)
{
    sf::View view(sf::FloatRect(0.f, 0.f, game.resolution.x, game.resolution.y));
    view.setViewport(frame.viewport);
    frame.target->setView(view);
}

void aimAtWorld(FrameTarget& frame, const sf::View& world)
{
    sf::View view = world;
    view.setViewport(frame.viewport);
    frame.target->setView(view);
}
