#include "render/Layers.h"

#include "app/Game.h"
#include "render/Backdrop.h"
#include "render/Composition.h"
#include "render/FrameTarget.h"

#include <SFML/Graphics/RenderStates.hpp>

void stackLayer(sf::RenderTarget& target, sf::RenderTexture& layer, const sf::Sprite& layerSprite,
                const sf::Shader* shader)
{
    layer.display();
    sf::RenderStates states;
    states.shader = shader;
    target.draw(layerSprite, states);
}

void ensureLayer(Game& game, sf::RenderTexture& layer, sf::Sprite& layerSprite)
{
    if (layer.getSize().x > 0)
        return;
    layer.create(static_cast<unsigned>(game.resolution.x), static_cast<unsigned>(game.resolution.y));
    layer.clear(sf::Color::Transparent);
    layerSprite.setTexture(layer.getTexture(), true);
    layerSprite.setPosition(0.f, 0.f);
}

void aimAtScreen(sf::RenderTexture& layer)
{
    layer.setView(layer.getDefaultView());
}

void clearFrameLayers(Game& game, const FrameTarget& frame)
{
    // The background and vortex layers keep their pictures: the background
    // shows through where a screen does not redraw it, and every use of the
    // vortex layer covers it whole. The custom-level screen builds its
    // picture in the HUD layer.
    if (!frame.straight)
        game.screenLayer.clear(sf::Color::Transparent);
    if (game.state == SceneState::CustomMapSelect) {
        ensureLayer(game, game.hudLayer, game.hudLayerSprite);
        game.hudLayer.clear(sf::Color::Transparent);
    }
    keepBackdrop(game);
}

void finaliseLayers(Game& game)
{
    for (sf::RenderTexture* layer :
         {&game.waterLayer, &game.hudLayer, &game.backgroundLayer, &game.vortexLayer, &game.screenLayer})
        if (layer->getSize().x > 0)
            layer->display();
}
