#include "app/MousePosition.h"

#include "app/Game.h"
#include "app/Viewport.h"

sf::Vector2u windowSizeOf(const Game& game)
{
    if (game.window.isOpen())
        return game.window.getSize();
    return sf::Vector2u(static_cast<unsigned>(game.resolution.x), static_cast<unsigned>(game.resolution.y));
}

sf::Vector2f toLogicalScreen(const Game& game, sf::Vector2i windowPixel)
{
    return windowPixelToLogical(windowPixel, game.resolution, windowSizeOf(game));
}

sf::Vector2f mouseOnScreen(const Game& game)
{
    return toLogicalScreen(game, game.input.mousePixel);
}
