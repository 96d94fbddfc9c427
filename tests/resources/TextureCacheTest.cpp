#include "resources/Loading.h"
#include "resources/TextureCache.h"
#include "support/Headless.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A 40 x 20 picture, clear but for a 10 x 4 block at (12, 6).
void writeBlockPicture(const std::string& path, sf::Color colour)
{
    sf::Image image;
    image.create(40, 20, sf::Color::Transparent);
    for (unsigned y = 6; y < 10; ++y)
        for (unsigned x = 12; x < 22; ++x)
            image.setPixel(x, y, colour);
    ASSERT_TRUE(image.saveToFile(path));
}

}  // namespace

TEST(TextureCache, OnePictureAFileHoweverReachedAndANewOneWhenTheFileChanges)
{
    enterEmptyFolder();
    writeBlockPicture("block.png", sf::Color::Red);
    std::filesystem::create_directories("other");
    std::filesystem::create_hard_link("block.png", "other/block.png");

    const sf::Texture& first = sharedTexture("block.png", false);
    EXPECT_EQ(&sharedTexture("block.png", false), &first);
    EXPECT_EQ(&sharedTexture("other/block.png", false), &first);  // a hard link is the same file
    EXPECT_NE(&sharedTexture("block.png", true), &first);          // smoothing is the texture's own
    EXPECT_EQ(first.getSize(), sf::Vector2u(40, 20));

    // Written anew (another size on disk), the file is another picture.
    sf::Image bigger;
    bigger.create(80, 20, sf::Color::Blue);
    ASSERT_TRUE(bigger.saveToFile("block.png"));
    EXPECT_EQ(sharedTexture("block.png", false).getSize(), sf::Vector2u(80, 20));

    // A missing file gives an empty picture and counts as a failed load, every time.
    const int failures = loadReport().failures;
    EXPECT_EQ(sharedTexture("missing.png", false).getSize().x, 0u);
    EXPECT_EQ(sharedTexture("missing.png", false).getSize().x, 0u);
    EXPECT_EQ(loadReport().failures, failures + 2);
}

TEST(TextureCache, ScaledDownAndTrimmedPicturesDrawWhereTheWholeOnesWould)
{
    enterEmptyFolder();
    writeBlockPicture("block.png", sf::Color::Green);

    // Drawn at half size: kept at half size, the block's colour kept at its edges.
    const sf::Texture& half = sharedTexture("block.png", false, 0.5f);
    EXPECT_EQ(half.getSize(), sf::Vector2u(20, 10));
    const sf::Image small = half.copyToImage();
    EXPECT_EQ(small.getPixel(8, 4), sf::Color::Green);
    EXPECT_EQ(small.getPixel(2, 2).a, 0);

    // Trimmed: only the block is kept, and the sprite's origin puts it back in place.
    const sf::Sprite trimmed = loadTrimmedSprite("block.png");
    EXPECT_EQ(trimmed.getTexture()->getSize(), sf::Vector2u(10, 4));
    sf::Sprite placed = trimmed;
    placed.setPosition(100.f, 50.f);
    const sf::FloatRect bounds = placed.getGlobalBounds();
    EXPECT_FLOAT_EQ(bounds.left, 112.f);
    EXPECT_FLOAT_EQ(bounds.top, 56.f);
}

TEST(TextureCache, GamesBuiltOneAfterAnotherShareEveryPicture)
{
    { HeadlessGame first; }
    const std::size_t count = sharedTextureCount();
    const std::size_t bytes = sharedTextureBytes();
    for (int i = 0; i < 2; ++i)
        HeadlessGame again;
    EXPECT_EQ(sharedTextureCount(), count);
    EXPECT_EQ(sharedTextureBytes(), bytes);
}
