#include "level/TileRenderer.h"
#include "support/ReferenceTiles.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Two layers looking at the world through the same view.
struct Layers {
    sf::RenderTexture tiles, water;

    explicit Layers(const sf::View& view)
    {
        tiles.create(1920, 1080);
        water.create(1920, 1080);
        tiles.setView(view);
        water.setView(view);
        tiles.clear(sf::Color::Transparent);
        water.clear(sf::Color::Transparent);
    }
    sf::Image tileImage()
    {
        tiles.display();
        return tiles.getTexture().copyToImage();
    }
    sf::Image waterImage()
    {
        water.display();
        return water.getTexture().copyToImage();
    }
};

struct TileScene {
    sf::Texture tileset;
    sf::Sprite sprite;
    TileMap map;

    TileScene()
    {
        tileset.loadFromImage(makeTestTileset());
        sprite.setTexture(tileset);
        map.columns = classicColumns;
    }
};

bool samePixels(const sf::Image& a, const sf::Image& b)
{
    return a.getSize() == b.getSize() &&
           std::equal(a.getPixelsPtr(), a.getPixelsPtr() + a.getSize().x * a.getSize().y * 4, b.getPixelsPtr());
}

sf::View viewAt(float left, float top, float width, float height)
{
    return sf::View(sf::FloatRect(left, top, width, height));
}

}  // namespace

TEST(TileRenderer, BatchedDrawingMatchesOneByOneDrawing)
{
    std::srand(7);
    TileScene scene;
    fillRandomLevel(scene.map, 5, classicColumns);
    // Views across section edges and over whole sections (zoomed out).
    const sf::View views[] = {viewAt(3840.f - 960.f, 100.f, 1920.f, 1080.f), viewAt(0.f, 0.f, 3840.f * 3, 3240.f),
                              viewAt(7680.f - 200.f, -40.f, 1920.f, 1080.f)};
    for (int live : {0, 2, 4}) {
        scene.map.sectionIndex = live;
        for (const sf::View& view : views) {
            Layers batched(view), plain(view);
            drawTiles(scene.map, scene.sprite, batched.tiles, batched.water);
            drawTilesOneByOne(scene.map, scene.sprite, plain.tiles, plain.water);
            EXPECT_TRUE(samePixels(batched.tileImage(), plain.tileImage())) << "live section " << live;
            EXPECT_TRUE(samePixels(batched.waterImage(), plain.waterImage())) << "live section " << live;
        }
    }
}
