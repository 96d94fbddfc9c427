#include "app/Viewport.h"

#include <algorithm>

sf::View letterboxView(sf::Vector2f logicalSize, sf::Vector2u windowSize)
{
    sf::View view(sf::FloatRect(0.f, 0.f, logicalSize.x, logicalSize.y));
    if (windowSize.x == 0 || windowSize.y == 0)
        return view;
    const float windowWidth = static_cast<float>(windowSize.x);
    const float windowHeight = static_cast<float>(windowSize.y);
    const float scale = std::min(windowWidth / logicalSize.x, windowHeight / logicalSize.y);
    const float width = logicalSize.x * scale / windowWidth;
    const float height = logicalSize.y * scale / windowHeight;
    view.setViewport(sf::FloatRect((1.f - width) / 2.f, (1.f - height) / 2.f, width, height));
    return view;
}

sf::Vector2f windowPixelToLogical(sf::Vector2i pixel, sf::Vector2f logicalSize, sf::Vector2u windowSize)
{
    const sf::View view = letterboxView(logicalSize, windowSize);
    const sf::FloatRect port = view.getViewport();
    const float left = port.left * static_cast<float>(windowSize.x);
    const float top = port.top * static_cast<float>(windowSize.y);
    const float width = port.width * static_cast<float>(windowSize.x);
    const float height = port.height * static_cast<float>(windowSize.y);
    if (width <= 0.f || height <= 0.f)
        return sf::Vector2f(static_cast<float>(pixel.x), static_cast<float>(pixel.y));
    return sf::Vector2f((static_cast<float>(pixel.x) - left) * logicalSize.x / width,
                        (static_cast<float>(pixel.y) - top) * logicalSize.y / height);
}
