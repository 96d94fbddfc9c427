#include "render/Glow.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <gtest/gtest.h>

#include <cstdlib>

TEST(Glow, OnePassShowsWhatFiftyAddedCopiesShow)
{
    sf::Shader shader;
    if (!loadGlowShader(shader))
        GTEST_SKIP() << "no shader support";
    // A picture of faint, half-clear and opaque colours over a dark ground.
    sf::Image picture;
    picture.create(4, 1);
    picture.setPixel(0, 0, sf::Color(4, 2, 1, 255));
    picture.setPixel(1, 0, sf::Color(200, 100, 0, 128));
    picture.setPixel(2, 0, sf::Color(10, 20, 30, 40));
    picture.setPixel(3, 0, sf::Color(0, 0, 0, 0));
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(picture));
    const sf::Sprite sprite(texture);
    const auto drawn = [&](const sf::Shader& with) {
        sf::RenderTexture target;
        target.create(4, 1);
        target.clear(sf::Color(20, 30, 40));
        drawGlowing(sprite, target, with);
        target.display();
        return target.getTexture().copyToImage();
    };
    const sf::Image once = drawn(shader);
    const sf::Image fifty = drawn(sf::Shader());
    for (unsigned x = 0; x < 4; ++x) {
        const sf::Color a = once.getPixel(x, 0), b = fifty.getPixel(x, 0);
        EXPECT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 3) << "pixel " << x;
    }
    EXPECT_EQ(once.getPixel(3, 0), sf::Color(20, 30, 40));
}
