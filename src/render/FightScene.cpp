#include "app/Game.h"
#include "render/fight/PlayerDrawing.h"
#include "render/fight/ShotDrawing.h"
#include "level/TileRenderer.h"
#include "render/hud/Hud.h"
#include "match/Sections.h"
#include "render/Composition.h"
#include "render/FightTint.h"
#include "render/FrameTarget.h"
#include "render/Layers.h"
#include "render/WaterPass.h"

namespace {

const float waterScreenWidth = 1920.f;  // px: the water shader's "posX" counts camera positions in screens

void drawCrate(Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    sf::Sprite crate = game.crateSprite;
    crate.setPosition(game.world.crate->position);
    target.draw(crate, states);
}

constexpr sf::Uint8 flagShown = 255;  // alpha of a flag in play
constexpr sf::Uint8 flagFaded = 124;  // alpha of a lying flag whose player is not attacking

// A player's flag, only while its section is live: opaque while it is in
// play (carried, captured, or its player attacking), faded otherwise.
void drawPlayerFlag(Game& game, int index, sf::RenderTarget& target, const sf::RenderStates& states)
{
    const Flag& flag = game.world.flags[index];
    if (flag.section != game.world.sectionIndex)
        return;
    const int attacking = index == 0 ? P1Attacking : P2Attacking;
    const bool inPlay = game.world.match.flagTaken || flag.carried || game.world.match.chaseSituation == attacking;
    sf::Sprite picture = game.flagPictures[index];
    picture.setPosition(flag.shownAt);
    picture.setColor(sf::Color(255, 255, 255, inPlay ? flagShown : flagFaded));
    target.draw(picture, states);
}

// The player's swap marker, placed or not (unplaced, it waits far outside the level).
void drawSkillObject(const Game& game, const Player& player, sf::RenderTarget& target,
                     const sf::RenderStates& states)
{
    sf::Sprite marker = player.marker.owner == 0 ? game.summonB : game.summonR;
    const sf::Vector2u size = marker.getTexture() ? marker.getTexture()->getSize() : sf::Vector2u();
    marker.setOrigin(static_cast<float>(size.x) / 2.f, static_cast<float>(size.y) / 2.f);
    marker.setPosition(player.marker.position);
    target.draw(marker, states);
}

// Goal, crate, then each player with its flag and skill object.
void drawFightActors(Game& game, sf::RenderTarget& target, const sf::RenderStates& states)
{
    if (!game.world.match.caaMode) {
        sf::Sprite goal = game.goal;
        goal.setPosition(game.world.goal);
        target.draw(goal, states);
        if (game.world.crate && game.world.crate->alive)
            drawCrate(game, target, states);
    }
    for (int i = 0; i < 2; ++i) {
        drawPlayer(game, game.world.players[i], target, states);
        if (!game.world.match.caaMode && !game.world.match.suddenDeath)
            drawPlayerFlag(game, i, target, states);
        drawSkillObject(game, game.world.players[i], target, states);
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

// The background, fixed to the screen. In sudden death it wobbles through
// its shader, which must see the whole background: it is drawn in its layer first.
void drawBackground(Game& game, FrameTarget& frame)
{
    if (!game.world.match.suddenDeath) {
        aimAtScreen(frame, game);
        drawParallax(game, *frame.target, frame.tint);
        return;
    }
    aimAtScreen(game.backgroundLayer);
    drawParallax(game, game.backgroundLayer);
    game.uv.setUniform("timer", game.waterTime);
    aimAtScreen(frame, game);
    stackLayer(*frame.target, game.backgroundLayer, game.backgroundLayerSprite, &game.uv);
}

// The last minute's red tint must not colour the HUD: a fight drawn in the
// screen layer leaves it to the composition, which draws it over the tinted copy.
bool hudAfterTint(const Game& game, const FrameTarget& frame)
{
    return !frame.straight && game.state == SceneState::Fight && fightLook(game) == FightLook::Red;
}

}  // namespace

// The fixed HUD in screen view, then the players' direction marks in the world;
// neither while a captured flag flies to the goal.
void drawFightHud(Game& game, FrameTarget& frame)
{
    if (game.world.match.flagTaken)
        return;
    const sf::RenderStates states(frame.hudTinted ? frame.tint : nullptr);
    aimAtScreen(frame, game);
    hudDraw(game, *frame.target, states);
    if (game.world.match.caaMode)
        return;
    aimAtWorld(frame, game.world.camera.view);
    for (const Player& player : game.world.players)
        drawDirectionArrow(game, player, *frame.target, states);
}

void drawFightScene(Game& game, FrameTarget& frame)
{
    // 1. The countdown's grey or the last minute's red, for every picture.
    tintFightFrame(game, frame);
    const sf::RenderStates states(frame.tint);
    // 2. Background, fixed to the screen.
    drawBackground(game, frame);
    // 3-4. Actors, then the shots in flight, in the world.
    aimAtWorld(frame, game.world.camera.view);
    drawFightActors(game, *frame.target, states);
    drawProjectiles(game.world, game.projectiles, *frame.target, states);
    // 5. Water over the actors, through its shader, rippling with time and the camera.
    feedWaterShader(game);
    drawWater(game, frame);
    // 6. Ground tiles over the water.
    aimAtWorld(frame, game.world.camera.view);
    drawGroundTiles(game.tileMap, game.tilesetSprite, *frame.target, frame.tint);
    // 7. HUD over everything.
    if (!hudAfterTint(game, frame))
        drawFightHud(game, frame);
}
