#include "fighters/PixelOverlap.h"
#include "resources/Loading.h"
#include "resources/TextureCache.h"
#include "support/Headless.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

#include <algorithm>
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

// A 48 x 24 pixel-art picture drawn at `pixel` px a pixel: clear above row
// 8, below it a pattern of colours and opacities, one colour a square.
void writeArtPicture(const std::string& path, unsigned pixel)
{
    sf::Image image;
    image.create(48, 24, sf::Color::Transparent);
    for (unsigned y = 8; y < 24; ++y)
        for (unsigned x = 0; x < 48; ++x) {
            const unsigned a = x / pixel, b = y / pixel;
            image.setPixel(x, y, sf::Color(sf::Uint8(a * 37), sf::Uint8(b * 53), sf::Uint8(a * b * 11),
                                           sf::Uint8((a + b) % 3 == 0 ? 255 : 120)));
        }
    ASSERT_TRUE(image.saveToFile(path));
}

// What a sprite puts on a cleared 64 x 40 target, moved by `place`.
sf::Image drawnAt(sf::Sprite sprite, sf::Vector2f place)
{
    sf::RenderTexture target;
    EXPECT_TRUE(target.create(64, 40));
    target.clear(sf::Color(10, 20, 30));
    sprite.setPosition(place);
    target.draw(sprite);
    target.display();
    return target.getTexture().copyToImage();
}

bool samePixels(const sf::Image& a, const sf::Image& b)
{
    const std::size_t bytes = std::size_t(a.getSize().x) * a.getSize().y * 4;
    return a.getSize() == b.getSize() && std::equal(a.getPixelsPtr(), a.getPixelsPtr() + bytes, b.getPixelsPtr());
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

    // As a background: only the block is kept, one texel a 2 x 2 square, and
    // the sprite's origin and scale put it back in place.
    const sf::Sprite trimmed = loadBackgroundSprite("block.png");
    EXPECT_EQ(trimmed.getTexture()->getSize(), sf::Vector2u(5, 2));
    sf::Sprite placed = trimmed;
    placed.setPosition(100.f, 50.f);
    const sf::FloatRect bounds = placed.getGlobalBounds();
    EXPECT_FLOAT_EQ(bounds.left, 112.f);
    EXPECT_FLOAT_EQ(bounds.top, 56.f);
    EXPECT_FLOAT_EQ(bounds.width, 10.f);
}

TEST(TextureCache, PicturesKeptSmallerDrawTheSamePixels)
{
    enterEmptyFolder();
    const sf::Vector2f places[] = {{0.f, 0.f}, {7.f, 3.f}, {-5.3f, 2.6f}};
    // Backgrounds: art at 2 and at 4 px a pixel shrinks 2 and 4 times; at 3
    // (no square of 2 or 4 on the grid) it is only trimmed. Drawn anywhere,
    // even between pixels, each shows exactly what the whole picture shows.
    const struct {
        unsigned pixel;
        sf::Vector2u kept;
    } rows[] = {{2, {24, 8}}, {4, {12, 4}}, {3, {48, 16}}};
    for (const auto& row : rows) {
        const std::string file = "art" + std::to_string(row.pixel) + ".png";
        writeArtPicture(file, row.pixel);
        const sf::Sprite background = loadBackgroundSprite(file);
        EXPECT_EQ(background.getTexture()->getSize(), row.kept) << file;
        const sf::Sprite whole = loadSprite(file, false, false);
        for (const sf::Vector2f place : places)
            EXPECT_TRUE(samePixels(drawnAt(background, place), drawnAt(whole, place))) << file << " at " << place.x;
    }

    // Frames: the block and a clear texel around it are kept; turned or not,
    // the sprite has the whole picture's bounds, pixels and alpha mask.
    writeBlockPicture("frame.png", sf::Color::Yellow);
    const sf::Sprite frame = loadFrameSprite("frame.png");
    EXPECT_EQ(frame.getTexture()->getSize(), sf::Vector2u(12, 6));
    for (const float turn : {1.f, -1.f}) {
        sf::Sprite kept = frame, whole = loadSprite("frame.png", true, false);
        kept.setScale(turn, 1.f);
        whole.setScale(turn, 1.f);
        kept.setPosition(30.f, 20.f);
        whole.setPosition(30.f, 20.f);
        EXPECT_EQ(kept.getGlobalBounds(), whole.getGlobalBounds());
        for (const sf::Vector2f place : places)
            EXPECT_TRUE(samePixels(drawnAt(kept, place + kept.getPosition()), drawnAt(whole, place + whole.getPosition())))
                << "turned " << turn << " at " << place.x;
    }
    // What the kept texture shows through the frame's rectangle is the alpha
    // the hit test reads from the file itself.
    sf::Image file;
    ASSERT_TRUE(file.loadFromFile("frame.png"));
    const AlphaMask mask = alphaMaskOf(file);
    const sf::Image kept = frame.getTexture()->copyToImage();
    const sf::IntRect rect = frame.getTextureRect(), inKept({0, 0}, sf::Vector2i(kept.getSize()));
    ASSERT_EQ(sf::Vector2i(static_cast<int>(mask.width), static_cast<int>(mask.height)), sf::Vector2i(rect.width, rect.height));
    for (int y = 0; y < rect.height; ++y)
        for (int x = 0; x < rect.width; ++x) {
            const sf::Vector2i at(rect.left + x, rect.top + y);
            const int shown = inKept.contains(at) ? kept.getPixel(static_cast<unsigned>(at.x), static_cast<unsigned>(at.y)).a : 0;
            ASSERT_EQ(mask.alpha[static_cast<std::size_t>(y * rect.width + x)], shown) << x << ", " << y;
        }
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
