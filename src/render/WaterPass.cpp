#include "render/WaterPass.h"

#include "app/Game.h"
#include "level/TileRenderer.h"
#include "render/FrameTarget.h"
#include "render/Layers.h"

#include <SFML/Graphics/RectangleShape.hpp>

#include <algorithm>

namespace {

const int ripplePad = 8;  // px: the ripple moves the water up to ~3 px; the shader runs a little wider

// Makes a rectangle of the layer transparent again.
void wipe(sf::RenderTexture& layer, const sf::IntRect& rect)
{
    layer.setView(layer.getDefaultView());
    sf::RectangleShape blank(sf::Vector2f(static_cast<float>(rect.width), static_cast<float>(rect.height)));
    blank.setPosition(static_cast<float>(rect.left), static_cast<float>(rect.top));
    blank.setFillColor(sf::Color::Transparent);
    layer.draw(blank, sf::RenderStates(sf::BlendNone));
}

// The layer's pixels that a world rectangle covers, widened by the ripple and kept inside the layer.
sf::IntRect layerPixels(const sf::RenderTexture& layer, const sf::View& view, const sf::FloatRect& world)
{
    if (world.width <= 0.f || world.height <= 0.f)
        return sf::IntRect();
    const sf::Vector2i a = layer.mapCoordsToPixel(sf::Vector2f(world.left, world.top), view);
    const sf::Vector2i b = layer.mapCoordsToPixel(sf::Vector2f(world.left + world.width, world.top + world.height), view);
    const int width = static_cast<int>(layer.getSize().x), height = static_cast<int>(layer.getSize().y);
    const int left = std::max(0, std::min(a.x, b.x) - ripplePad);
    const int top = std::max(0, std::min(a.y, b.y) - ripplePad);
    const int right = std::min(width, std::max(a.x, b.x) + ripplePad);
    const int bottom = std::min(height, std::max(a.y, b.y) + ripplePad);
    if (right <= left || bottom <= top)
        return sf::IntRect();
    return sf::IntRect(left, top, right - left, bottom - top);
}

// `layer`'s rectangle `rect` onto the same place of the screen.
sf::Sprite pieceOf(const sf::RenderTexture& layer, const sf::IntRect& rect)
{
    sf::Sprite piece(layer.getTexture(), rect);
    piece.setPosition(static_cast<float>(rect.left), static_cast<float>(rect.top));
    return piece;
}

// Under a fight's tint the rippled water goes through the tint as well: it is
// rippled into the same rectangle of the screen layer (free while the frame
// goes straight onto the window), as it comes, and tinted from there.
void drawTinted(Game& game, const sf::Sprite& water, FrameTarget& frame)
{
    const sf::IntRect rect = game.waterPass.drawn;
    sf::RenderTexture& layer = game.screenLayer;
    aimAtScreen(layer);
    sf::RenderStates ripple(&game.water);
    ripple.blendMode = sf::BlendNone;
    layer.draw(water, ripple);
    layer.display();
    frame.target->draw(pieceOf(layer, rect), sf::RenderStates(frame.tint));
}

}  // namespace

void drawWater(Game& game, FrameTarget& frame)
{
    // The layer is made by the first fight: the rooms have no water.
    ensureLayer(game, game.waterLayer, game.waterLayerSprite);
    sf::RenderTexture& layer = game.waterLayer;
    WaterPass& pass = game.waterPass;
    // 1. What the last frame left in the layer goes.
    if (pass.drawn.width > 0)
        wipe(layer, pass.drawn);
    // 2. This frame's water, in the world.
    layer.setView(game.world.camera.view);
    const sf::FloatRect world = drawWaterTiles(game.tileMap, game.tilesetSprite, layer);
    pass.drawn = layerPixels(layer, game.world.camera.view, world);
    if (pass.drawn.width <= 0)
        return;
    // 3. Through the shader, over that rectangle only.
    layer.display();
    const sf::Sprite piece = pieceOf(layer, pass.drawn);
    aimAtScreen(frame, game);
    if (frame.tint)
        drawTinted(game, piece, frame);
    else
        frame.target->draw(piece, sf::RenderStates(&game.water));
}
