#include "app/Game.h"
#include "app/Viewport.h"
#include "menus/MenuRooms.h"
#include "render/Composition.h"
#include "render/FightTint.h"
#include "render/FrameTarget.h"
#include "render/Layers.h"

#include <algorithm>

namespace {

const float vortexTop = 15.f;         // vortexLevel of a fully swirled screen
const float vortexSpeed = 15.f;       // vortexLevel per second: one second in, one second out
const sf::Vector2f scorePlace{960.f, 108.f};  // px: the score texts over the victory picture

// The swirl works on the whole screen's picture.
sf::Vector2f vortexPictureSize(const Game& game)
{
    return game.resolution;
}

// A fight's picture covers the whole screen with its opaque background: the
// copy replaces the target's pixels rather than blending over them, which
// spares the renderer a read of every pixel underneath.
void copyOpaque(sf::RenderTarget& target, sf::RenderTexture& layer, const sf::Sprite& layerSprite,
                const sf::Shader* shader = nullptr)
{
    layer.display();
    sf::RenderStates states(sf::BlendNone);
    states.shader = shader;
    target.draw(layerSprite, states);
}

void feedVortexShader(Game& game, sf::Shader& shader, float progress)
{
    const sf::Vector2f size = vortexPictureSize(game);
    shader.setUniform("resolution", sf::Glsl::Vec2(size));
    shader.setUniform("mousepos", sf::Glsl::Vec2(size / 2.f));
    shader.setUniform("factor1", progress);
    shader.setUniform("time", game.vortexTime);
}

// Victory: the frozen match swirls in over one second, red-tinted in the
// same pass when the match ended in its last minute (at the ratio it ended
// with), with the winner's picture over it.
VortexPass composeVictory(Game& game, sf::RenderTarget& target)
{
    game.vortexTime += game.frameTime;
    game.vortexLevel = std::min(vortexTop, game.vortexLevel + vortexSpeed * game.frameTime);
    feedVortexShader(game, game.trounoirIn, game.vortexLevel / vortexTop);
    const bool red = game.world.match.matchTimer <= lastMinute;
    game.trounoirIn.setUniform("ratioTime", red ? redRatio(game) : 0.f);
    copyOpaque(target, game.screenLayer, game.screenLayerSprite, &game.trounoirIn);
    const VortexPass pass = red ? VortexPass::InThroughRed : VortexPass::InToWindow;
    for (int i = 0; i < 2; ++i)
        if (game.world.players[i].isWinner)
            target.draw(game.victoryPictures[i]);
    if (!game.world.match.caaMode)
        drawVictoryScore(game, target, scorePlace);
    return pass;
}

// The second after Victory: the swirl unwinds, whatever the next scene. A
// fight keeps the picture in the vortex layer for its own final copy.
VortexPass composeVortexOut(Game& game, sf::RenderTarget& target)
{
    ensureLayer(game, game.vortexLayer, game.vortexLayerSprite);
    game.vortexTime += game.frameTime;
    game.vortexLevel -= vortexSpeed * game.frameTime;
    feedVortexShader(game, game.trounoirOut, (vortexTop - game.vortexLevel) / vortexTop);
    if (game.state == SceneState::Fight) {
        aimAtScreen(game.vortexLayer);
        stackLayer(game.vortexLayer, game.screenLayer, game.screenLayerSprite, &game.trounoirOut);
        return VortexPass::OutToVortexLayer;
    }
    stackLayer(target, game.screenLayer, game.screenLayerSprite, &game.trounoirOut);
    return VortexPass::OutToWindow;
}

void finalCopy(Game& game, sf::RenderTarget& target, Composition& result)
{
    const bool fight = game.state == SceneState::Fight;
    const bool unwinding = game.vortexLevel > 0.f;
    sf::RenderTexture& shownLayer = unwinding ? game.vortexLayer : game.screenLayer;
    const sf::Sprite& shownSprite = unwinding ? game.vortexLayerSprite : game.screenLayerSprite;
    const FightLook look = fightLook(game);
    if (game.state == SceneState::Victory) {
        result.finalCopy = FinalCopy::None;
    } else if (fight && look == FightLook::Grey) {
        copyOpaque(target, shownLayer, shownSprite, &game.greyLevel);
        result.finalCopy = FinalCopy::Grey;
        result.fromVortexLayer = unwinding;
    } else if (fight && look == FightLook::Red) {
        feedRedTint(game);
        copyOpaque(target, game.screenLayer, game.screenLayerSprite, &game.redLevel);
        // The HUD goes on untinted, straight onto the target.
        FrameTarget over = windowFrame(game, target);
        drawFightHud(game, over);
        target.setView(letterboxView(game.resolution, target.getSize()));
        result.finalCopy = FinalCopy::Red;
    } else if (!unwinding) {
        stackLayer(target, game.screenLayer, game.screenLayerSprite);
        result.finalCopy = FinalCopy::Plain;
    } else if (fight) {
        // A live fight in the second after Victory: its unwinding picture
        // waits in the vortex layer and nothing else would show it.
        stackLayer(target, game.vortexLayer, game.vortexLayerSprite);
        result.finalCopy = FinalCopy::Plain;
        result.fromVortexLayer = true;
    }
}

}  // namespace

Composition composeFrame(Game& game, FrameTarget& frame, sf::RenderTarget& target)
{
    if (!frame.straight)
        return composeToWindow(game, target);
    // Nothing to copy: only the curtain (a full-screen blend, skipped while it is clear).
    Composition result;
    result.straight = true;
    aimAtScreen(frame, game);
    if (game.screenFade.curtain.getFillColor().a > 0)
        frame.target->draw(game.screenFade.curtain);
    finaliseLayers(game);
    return result;
}

Composition composeToWindow(Game& game, sf::RenderTarget& target)
{
    Composition result;
    // The logical screen fills the target with its aspect kept.
    target.setView(letterboxView(game.resolution, target.getSize()));
    // 1-2. The vortex in Victory and in the second after it; both copy the
    // screen layer before the curtain goes on, so the curtain does not show.
    if (game.state == SceneState::Victory)
        result.vortex = composeVictory(game, target);
    else if (game.vortexLevel > 0.f)
        result.vortex = composeVortexOut(game, target);
    // 3. The curtain (a full-screen blend, skipped while it is clear).
    aimAtScreen(game.screenLayer);
    if (game.screenFade.curtain.getFillColor().a > 0)
        game.screenLayer.draw(game.screenFade.curtain);
    // 4. The final copy, grey in the countdown and red in the last minute.
    finalCopy(game, target, result);
    // 5. Finalise every layer.
    finaliseLayers(game);
    return result;
}
