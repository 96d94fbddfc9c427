#include "resources/PictureSize.h"

#include "resources/Paths.h"

#include <SFML/Graphics/Image.hpp>

sf::Vector2u pictureSize(const std::string& path)
{
    sf::Image image;
    if (!image.loadFromFile(resolvePath(path)))
        return {0, 0};
    return image.getSize();
}
