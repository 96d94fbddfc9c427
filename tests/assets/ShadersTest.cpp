#include "render/FightTint.h"
#include "resources/Loading.h"

#include "support/Headless.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// Each of the six screen effects compiles on the old OpenGL the game targets
// and changes the picture the way the fight needs: pictures are drawn through
// the shader into an off-screen target and read back.

namespace {

const unsigned side = 512;  // px, large enough for the small wobbles to move whole pixels

// Colour bars across, brightness stripes down: every pixel differs from most
// of its neighbours, so any displacement shows.
sf::Image testPicture()
{
    sf::Image image;
    image.create(side, side);
    const sf::Color bars[] = {sf::Color(220, 40, 40), sf::Color(40, 200, 60), sf::Color(50, 70, 230),
                              sf::Color(230, 210, 40)};
    for (unsigned y = 0; y < side; ++y)
        for (unsigned x = 0; x < side; ++x) {
            const sf::Color bar = bars[(x / 8) % 4];
            const float light = (y / 2) % 2 ? 1.f : 0.6f;
            const sf::Color lit(sf::Uint8(bar.r * light), sf::Uint8(bar.g * light), sf::Uint8(bar.b * light));
            image.setPixel(x, y, lit);
        }
    return image;
}

sf::Image renderWith(sf::Shader& shader, const char* uniform, float value, const sf::Image& picture)
{
    shader.setUniform(uniform, value);
    sf::Texture texture;
    texture.loadFromImage(picture);
    sf::RenderTexture target;
    target.create(side, side);
    target.clear(sf::Color::Transparent);
    target.draw(sf::Sprite(texture), &shader);
    target.display();
    return target.getTexture().copyToImage();
}

int channelDistance(sf::Color a, sf::Color b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b), std::abs(a.a - b.a)});
}

// Largest channel difference over the whole picture.
int largestDifference(const sf::Image& a, const sf::Image& b)
{
    int largest = 0;
    for (unsigned y = 0; y < side; ++y)
        for (unsigned x = 0; x < side; ++x)
            largest = std::max(largest, channelDistance(a.getPixel(x, y), b.getPixel(x, y)));
    return largest;
}

class Shaders : public ::testing::Test {
protected:
    void SetUp() override
    {
        enterFreshRunFolder();
        ASSERT_TRUE(sf::Shader::isAvailable());
    }

    sf::Shader& load(const std::string& name, const char* vertexSource = nullptr)
    {
        EXPECT_TRUE(loadFragmentShaderFile(shader, "Assets/Shaders/" + name, vertexSource));
        return shader;
    }

    sf::Shader shader;
};

}  // namespace

TEST_F(Shaders, GreyLevelIsGreyDuringTheCountdownAndColouredAtTheEnd)
{
    sf::Shader& grey = load("GreyLevel.frag");
    const sf::Image picture = testPicture();
    const sf::Image counting = renderWith(grey, "compteur", 3.f, picture);
    for (unsigned y = 0; y < side; y += 7)
        for (unsigned x = 0; x < side; x += 5) {
            const sf::Color pixel = counting.getPixel(x, y);
            ASSERT_LE(std::abs(pixel.r - pixel.g), 1);
            ASSERT_LE(std::abs(pixel.g - pixel.b), 1);
        }
    EXPECT_LE(largestDifference(renderWith(grey, "compteur", 0.f, picture), picture), 1);
}

TEST_F(Shaders, RedLevelTintRisesWithTheRatio)
{
    sf::Shader& red = load("RedLevel.frag", screenPlaceVertexShader());
    sf::Image picture;
    picture.create(side, side, sf::Color(128, 128, 128));
    auto redness = [&](float ratio, unsigned x, unsigned y) {
        const sf::Color pixel = renderWith(red, "ratioTime", ratio, picture).getPixel(x, y);
        return int(pixel.r) - int(pixel.g);
    };
    EXPECT_LE(std::abs(redness(0.f, side / 2, side / 2)), 1);
    EXPECT_GT(redness(0.5f, side / 2, side / 2), 10);
    EXPECT_GT(redness(1.f, side / 2, side / 2), redness(0.5f, side / 2, side / 2) + 10);
    // Strongest at the screen's edges, the same at each corner.
    const int corner = redness(1.f, 0, 0);
    EXPECT_GT(corner, redness(1.f, side / 2, side / 2) + 10);
    EXPECT_LE(std::abs(corner - redness(1.f, side - 1, side - 1)), 1);
}

TEST_F(Shaders, WaterMovesWithTimeAndCameraAndKeepsEmptyAirEmpty)
{
    sf::Shader& water = load("Water.frag");
    sf::Image picture = testPicture();
    for (unsigned y = 0; y < side / 4; ++y)
        for (unsigned x = 0; x < side; ++x)
            picture.setPixel(x, y, sf::Color::Transparent);
    water.setUniform("posX", 0.f);
    const sf::Image still = renderWith(water, "timer", 0.f, picture);
    const sf::Image later = renderWith(water, "timer", 1.3f, picture);
    const sf::Image moved = renderWith(water, "posX", 0.5f, picture);
    EXPECT_GT(largestDifference(still, later), 40);
    EXPECT_GT(largestDifference(later, moved), 40);
    EXPECT_EQ(later.getPixel(side / 2, 10).a, 0);
}

TEST_F(Shaders, SuddenDeathBackgroundWobbles)
{
    sf::Shader& wobble = load("uv.frag");
    const sf::Image picture = testPicture();
    const sf::Image first = renderWith(wobble, "timer", 0.f, picture);
    const sf::Image second = renderWith(wobble, "timer", 2.f, picture);
    EXPECT_GT(largestDifference(first, second), 40);
    EXPECT_GT(largestDifference(first, picture), 40);
}

// In: untouched at the start, swallowed by a dark core at the end.
// Out: the other way round.
TEST_F(Shaders, VortexSwallowsThePictureAndGivesItBack)
{
    const sf::Image picture = testPicture();
    for (const char* name : {"trounoirIn.frag", "trounoirOut.frag"}) {
        SCOPED_TRACE(name);
        const bool in = std::string(name) == "trounoirIn.frag";
        sf::Shader& vortex = load(name);
        vortex.setUniform("resolution", sf::Glsl::Vec2(float(side), float(side)));
        vortex.setUniform("mousepos", sf::Glsl::Vec2(side / 2.f, side / 2.f));
        vortex.setUniform("time", 3.f);
        EXPECT_LE(largestDifference(renderWith(vortex, "factor1", in ? 0.f : 1.f, picture), picture), 2);
        const sf::Image swallowed = renderWith(vortex, "factor1", in ? 1.f : 0.f, picture);
        const sf::Color core = swallowed.getPixel(side / 2, side / 2);
        EXPECT_LT(core.r + core.g + core.b, 30);
        EXPECT_GT(largestDifference(swallowed, picture), 100);
    }
}

// Victory after a last-minute ending swirls and tints in one pass: the same
// picture as the swirl followed by the red tint.
TEST_F(Shaders, TheSwirlTintsRedInItsOwnPassAsTheRedTintWouldAfterIt)
{
    const sf::Image picture = testPicture();
    sf::Shader& vortex = load("trounoirIn.frag");
    vortex.setUniform("resolution", sf::Glsl::Vec2(float(side), float(side)));
    vortex.setUniform("mousepos", sf::Glsl::Vec2(side / 2.f, side / 2.f));
    vortex.setUniform("time", 3.f);
    vortex.setUniform("factor1", 0.6f);
    const sf::Image swirled = renderWith(vortex, "ratioTime", 0.f, picture);
    const sf::Image together = renderWith(vortex, "ratioTime", 0.8f, picture);
    sf::Shader red;
    ASSERT_TRUE(loadFragmentShaderFile(red, "Assets/Shaders/RedLevel.frag", screenPlaceVertexShader()));
    EXPECT_LE(largestDifference(together, renderWith(red, "ratioTime", 0.8f, swirled)), 2);
    EXPECT_GT(largestDifference(together, swirled), 40);
}
