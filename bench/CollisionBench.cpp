#include "fighters/Collision.h"
#include "level/TileMap.h"
#include "match/Entity.h"
#include "support/ReferenceTiles.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

// A busy 60-column section (about 60 % of its cells are tiles, half of them
// solid) and bodies scattered over it, standing, falling and pushing walls.
struct CollisionScene {
    TileMap map;
    std::vector<Entity> bodies;

    explicit CollisionScene(bool everyCellSolid)
    {
        std::srand(99);
        fillRandomLevel(map, 1, classicColumns);
        if (everyCellSolid)
            for (TileColumn& column : map.grid[0])
                column.fill(1);
        buildCollision(map);
        for (int i = 0; i < 256; ++i) {
            Entity body;
            body.size = sf::Vector2f(60.f, 99.f + static_cast<float>(i % 16));
            body.position = sf::Vector2f(static_cast<float>(std::rand() % 3840), static_cast<float>(std::rand() % 1280));
            body.velocity = sf::Vector2f(static_cast<float>(std::rand() % 1400) - 700.f,
                                         static_cast<float>(std::rand() % 3000) - 1500.f);
            bodies.push_back(body);
        }
    }
};

template <void (*Collide)(Entity&, const SectionCollision&, float)>
void collideFighter(benchmark::State& state)
{
    CollisionScene scene(state.range(0) != 0);
    std::size_t next = 0;
    for (auto _ : state) {
        Entity body = scene.bodies[next++ % scene.bodies.size()];
        Collide(body, collisionOf(scene.map, 0), 1.f / 60.f);
        benchmark::DoNotOptimize(body);
    }
    state.counters["solidTiles"] = static_cast<double>(collisionOf(scene.map, 0).solidTiles.size());
}

}  // namespace

// Argument 0: a busy random section; 1: the worst case, all 1200 cells solid.
BENCHMARK_TEMPLATE(collideFighter, collideWithEveryTile)->Name("Collision/fullScan")->Arg(0)->Arg(1);
BENCHMARK_TEMPLATE(collideFighter, collideWithTiles)->Name("Collision/nearbyTiles")->Arg(0)->Arg(1);
