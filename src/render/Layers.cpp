#include "render/Layers.h"

#include "app/Game.h"
#include "render/Composition.h"

#include <SFML/Graphics/RenderStates.hpp>

void stackLayer(sf::RenderTarget& target, sf::RenderTexture& layer, const sf::Sprite& layerSprite,
                const sf::Shader* shader)
{
    layer.display();
    sf::RenderStates states;
    states.shader = shader;
    target.draw(layerSprite, states);
}

void aimAtScreen(sf::RenderTexture& layer)
{
    layer.setView(layer.getDefaultView());
}

void clearFrameLayers(Game& game)
{
    // The background and vortex layers keep their pictures: the background
    // shows through where a scene does not redraw it, and every use of the
    // vortex layer covers it whole.
    game.waterLayer.clear(sf::Color::Transparent);
    game.tileLayer.clear(sf::Color::Transparent);
    game.hudLayer.clear(sf::Color::Transparent);
    game.screenLayer.clear(sf::Color::Transparent);
    game.actorLayer.clear(sf::Color::Transparent);
}

void finaliseLayers(Game& game)
{
    game.waterLayer.display();
    game.tileLayer.display();
    game.hudLayer.display();
    game.backgroundLayer.display();
    game.actorLayer.display();
    game.vortexLayer.display();
    game.screenLayer.display();
}
