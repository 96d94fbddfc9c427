#include "level/TileRenderer.h"
#include "support/ReferenceTiles.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Five busy sections, the middle one live: three sections are drawn.
struct TileFrame {
    sf::Texture tileset;
    sf::Sprite sprite;
    TileMap map;
    sf::RenderTexture tiles, water;

    TileFrame()
    {
        std::srand(5);
        tileset.loadFromImage(makeTestTileset());
        sprite.setTexture(tileset);
        fillRandomLevel(map, 5, classicColumns);
        map.sectionIndex = 2;
        tiles.create(1920, 1080);
        water.create(1920, 1080);
        const sf::View view(sf::FloatRect(2 * 3840.f, 200.f, 1920.f, 1080.f));
        tiles.setView(view);
        water.setView(view);
    }
};

// One set of layers for every run: each new render texture opens another
// connection to the X server, and the virtual one accepts only so many.
TileFrame& sharedFrame()
{
    static TileFrame frame;
    return frame;
}

template <void (*Draw)(const TileMap&, const sf::Sprite&, sf::RenderTarget&, sf::RenderTarget&)>
void drawTileFrame(benchmark::State& state)
{
    TileFrame& frame = sharedFrame();
    for (auto _ : state) {
        frame.tiles.clear(sf::Color::Transparent);
        frame.water.clear(sf::Color::Transparent);
        Draw(frame.map, frame.sprite, frame.tiles, frame.water);
        frame.tiles.display();
        frame.water.display();
    }
}

}  // namespace

BENCHMARK_TEMPLATE(drawTileFrame, drawTilesOneByOne)->Name("Tiles/oneByOne")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(drawTileFrame, drawTiles)->Name("Tiles/batched")->Unit(benchmark::kMicrosecond);
