#include "assets/Pictures.h"

#include "resources/Paths.h"

#include <gtest/gtest.h>

sf::Image readPicture(const std::string& path)
{
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(resolvePath(path))) << path;
    return image;
}

int opaquePixels(const sf::Image& image, int left, int top, int width, int height, int minAlpha)
{
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            count += image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a >= minAlpha;
    return count;
}
