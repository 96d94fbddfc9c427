#include "app/Game.h"
#include "fighters/PlayerDrawing.h"
#include "fighters/Projectile.h"
#include "level/TileRenderer.h"
#include "match/Hud.h"
#include "match/Sections.h"
#include "render/Composition.h"
#include "render/Layers.h"

namespace {

const float waterScreenWidth = 1920.f;  // px: the water shader's "posX" counts camera positions in screens

void drawCrate(Game& game, sf::RenderTarget& target)
{
    game.world.crate->sprite.setPosition(game.world.crate->position);
    target.draw(game.world.crate->sprite);
}

constexpr sf::Uint8 flagShown = 255;  // alpha of a flag in play
constexpr sf::Uint8 flagFaded = 124;  // alpha of a lying flag whose player is not attacking

// A player's flag, only while its section is live: opaque while it is in
// play (carried, captured, or its player attacking), faded otherwise.
void drawPlayerFlag(Game& game, int index, sf::RenderTarget& target)
{
    Flag& flag = game.world.flags[index];
    if (flag.section != game.tileMap.sectionIndex)
        return;
    const int attacking = index == 0 ? P1Attacking : P2Attacking;
    const bool inPlay = game.world.match.flagTaken || flag.carried || game.world.match.chaseSituation == attacking;
    flag.sprite.setColor(sf::Color(255, 255, 255, inPlay ? flagShown : flagFaded));
    target.draw(flag.sprite);
}

// The player's swap marker, placed or not (unplaced, it waits far outside the level).
void drawSkillObject(const Player& player, sf::RenderTarget& target)
{
    sf::Sprite marker = player.marker.sprite;
    marker.setPosition(player.marker.position);
    marker.setRotation(0.f);
    target.draw(marker);
}

// Goal, crate, then each player with its flag and skill object.
void drawFightActors(Game& game)
{
    sf::RenderTexture& layer = game.actorLayer;
    if (!game.world.match.caaMode) {
        layer.draw(game.goal);
        if (game.world.crate && game.world.crate->alive)
            drawCrate(game, layer);
    }
    for (int i = 0; i < 2; ++i) {
        drawPlayer(game, game.world.players[i], layer);
        if (!game.world.match.caaMode && !game.world.match.suddenDeath)
            drawPlayerFlag(game, i, layer);
        drawSkillObject(game.world.players[i], layer);
    }
}

void feedWaterShader(Game& game)
{
    // The water stands still under the pause menu, with the rest of the fight.
    if (game.state != SceneState::Pause)
        game.waterTime += game.frameTime;
    game.water.setUniform("timer", game.waterTime);
    game.water.setUniform("posX", game.world.camera.view.getCenter().x / waterScreenWidth);
}

// The fixed HUD in screen view, then the players' direction marks in the world;
// neither while a captured flag flies to the goal.
void drawFightHud(Game& game)
{
    if (game.world.match.flagTaken)
        return;
    aimAtScreen(game.hudLayer);
    hudDraw(game, game.hudLayer);
    game.hudLayer.setView(game.world.camera.view);
    if (game.world.match.caaMode)
        return;
    for (const Player& player : game.world.players)
        drawDirectionArrow(game, player, game.hudLayer);
}

void feedCountdownShader(Game& game)
{
    if (game.state == SceneState::Fight && !game.world.match.fightLive)
        game.greyLevel.setUniform("compteur", game.world.match.countdown);
}

// Actors go behind the water and the tiles; the HUD goes over everything.
void stackFightLayers(Game& game)
{
    sf::RenderTexture& screen = game.screenLayer;
    aimAtScreen(screen);
    const sf::Shader* backgroundShader = nullptr;
    if (game.world.match.suddenDeath) {
        game.uv.setUniform("timer", game.waterTime);
        backgroundShader = &game.uv;
    }
    stackLayer(screen, game.backgroundLayer, game.backgroundLayerSprite, backgroundShader);
    stackLayer(screen, game.actorLayer, game.actorLayerSprite);
    stackLayer(screen, game.waterLayer, game.waterLayerSprite, &game.water);
    stackLayer(screen, game.tileLayer, game.tileLayerSprite);
    stackLayer(screen, game.hudLayer, game.hudLayerSprite);
}

}  // namespace

void drawFightScene(Game& game)
{
    // 1. Background, fixed to the screen.
    aimAtScreen(game.backgroundLayer);
    drawParallax(game);
    // 2. The world layers follow the camera.
    for (sf::RenderTexture* layer : {&game.hudLayer, &game.tileLayer, &game.waterLayer, &game.actorLayer})
        layer->setView(game.world.camera.view);
    // 3-4. Actors, then the shots in flight.
    drawFightActors(game);
    drawProjectiles(game, game.actorLayer);
    // 5. Ground tiles and water.
    drawTiles(game.tileMap, game.tileLayer, game.waterLayer);
    // 6. The water ripples with time and the camera.
    feedWaterShader(game);
    // 7. HUD.
    drawFightHud(game);
    // 8. The countdown greys the screen.
    feedCountdownShader(game);
    // 9. Everything onto the screen layer.
    stackFightLayers(game);
}
