#include "assets/LevelFiles.h"
#include "assets/Pictures.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// The world's pictures fit the places the game draws them: the background
// layers cover the screen wherever the camera goes, the room pictures meet
// without a seam, the tileset has a picture for every code the editor offers.

namespace {

sf::Image picture(const std::string& path)
{
    return readPicture(runFile(path));
}

int opaqueCount(const sf::Image& image, int left, int top, int width, int height)
{
    return opaquePixels(image, left, top, width, height, 255);
}

bool fullyOpaque(const sf::Image& image)
{
    const sf::Vector2u size = image.getSize();
    return opaqueCount(image, 0, 0, size.x, size.y) == static_cast<int>(size.x * size.y);
}

}  // namespace

TEST(WorldPictures, TilesetHasACellForEveryCodeAndNothingElse)
{
    const sf::Image tiles = picture("Assets/Sprites/Map/Tileset.png");
    ASSERT_EQ(tiles.getSize().x, 8u * tileSize);
    ASSERT_EQ(tiles.getSize().y, 3u * tileSize);
    for (int code = 0; code < 24; ++code) {
        const int opaque = opaqueCount(tiles, (code % 8) * tileSize, (code / 8) * tileSize, tileSize, tileSize);
        if (code < 20)
            EXPECT_GT(opaque + (code == waterCode ? tileSize * tileSize : 0), 0) << "code " << code;
        else
            EXPECT_EQ(opaque, 0) << "cell " << code << " is not a code the editor offers";
    }
    // Water is see-through so the fighters show under it; spikes stand on
    // the ground below, with open air above their points.
    const sf::Color water = tiles.getPixel(64 + 32, 64 + 32);
    EXPECT_GT(water.a, 100);
    EXPECT_LT(water.a, 250);
    EXPECT_EQ(opaqueCount(tiles, 2 * 64, 64, 64, 12), 0);
    EXPECT_EQ(opaqueCount(tiles, 2 * 64, 64 + 56, 64, 8), 64 * 8);
}

TEST(WorldPictures, BackgroundLayersCoverTheScreenForEveryCamera)
{
    // The farthest camera of the largest level the editor can save: nine sections.
    const float widestLeft = 9 * 3840.f - 1920.f;
    for (int look = 0; look < 5; ++look) {
        const std::string index = std::to_string(look);
        const sf::Image far = picture("Assets/Sprites/Map/back1_a_" + index + ".png");
        EXPECT_EQ(far.getSize(), sf::Vector2u(1920, 1080));
        EXPECT_TRUE(fullyOpaque(far)) << "far layer " << look;

        const sf::Image middle = picture("Assets/Sprites/Map/back2_a_" + index + ".png");
        EXPECT_EQ(middle.getSize().y, 1080u);
        EXPECT_GE(450.f - widestLeft / 25.f + middle.getSize().x, 1920.f) << "middle layer " << look;
        EXPECT_EQ(opaqueCount(middle, 0, 0, middle.getSize().x, 1), 0) << "middle layer hides the sky";
        EXPECT_EQ(opaqueCount(middle, 0, 1079, middle.getSize().x, 1), static_cast<int>(middle.getSize().x));
    }
    // The near layers: open sky above, ground along the bottom edge.
    for (const char* path : {"Assets/Sprites/Map/back3_a.png", "Assets/Sprites/Map/back3_b.png"}) {
        const sf::Image near = picture(path);
        ASSERT_EQ(near.getSize(), sf::Vector2u(1920, 1080)) << path;
        EXPECT_EQ(opaqueCount(near, 0, 0, 1920, 540), 0) << path;
        EXPECT_EQ(opaqueCount(near, 0, 1079, 1920, 1), 1920) << path;
    }
}

TEST(WorldPictures, RoomPicturesShareTheirEdgesSoAnyTwoMeetWithoutASeam)
{
    const int strip = 16;
    const sf::Image first = picture("Assets/Sprites/Menu/0.png");
    for (int index = 0; index < 4; ++index) {
        const sf::Image room = picture("Assets/Sprites/Menu/" + std::to_string(index) + ".png");
        ASSERT_EQ(room.getSize(), sf::Vector2u(1920, 1080));
        EXPECT_TRUE(fullyOpaque(room));
        int differing = 0;
        for (int y = 0; y < 1080; ++y)
            for (int x = 0; x < strip; ++x) {
                differing += room.getPixel(x, y) != first.getPixel(x, y);
                differing += room.getPixel(1919 - x, y) != first.getPixel(1919 - x, y);
            }
        EXPECT_EQ(differing, 0) << "picture " << index;
    }
}

// Every door is one size (the hub-map check and the prompts count on its
// width) and wears its own sign, the ONLINE door's too.
TEST(WorldPictures, DoorsAreOneSizeAndEachSignIsItsOwn)
{
    const char* const doors[] = {"PlayDoor", "EditorDoor", "CreditsDoor", "QuitDoor", "BackDoor",
                                 "ClassicDoor", "Door", "JungleDoor", "CustomDoor", "OnlineDoor"};
    const int signHeight = 60;  // px: the board over the arch
    std::vector<sf::Image> pictures;
    for (const char* door : doors) {
        pictures.push_back(picture(std::string("Assets/Sprites/Menu/") + door + ".png"));
        ASSERT_EQ(pictures.back().getSize(), sf::Vector2u(256, 256)) << door;
        EXPECT_GT(opaqueCount(pictures.back(), 0, 0, 256, 256), 256 * 256 / 2) << door;
    }
    for (std::size_t a = 0; a < pictures.size(); ++a)
        for (std::size_t b = 0; b < a; ++b) {
            int differing = 0;
            for (unsigned y = 0; y < signHeight; ++y)
                for (unsigned x = 0; x < 256; ++x)
                    differing += pictures[a].getPixel(x, y) != pictures[b].getPixel(x, y);
            EXPECT_GT(differing, 500) << doors[a] << " and " << doors[b] << " look alike";
        }
}
