#include "fighters/Collision.h"

#include "world/FightWorld.h"
#include "level/TileMap.h"
#include "match/Entity.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Rising into a ceiling leaves this downward speed (px/s) rather than 0, so
// the air-state rule does not take the bump for a landing.
constexpr float ceilingBounceSpeed = 1.f;
constexpr float tileExtent = static_cast<float>(tileSize);

struct Box {
    float left, top, right, bottom;
};

bool overlapsTile(const Box& box, const sf::Vector2f& tile)
{
    return box.left < tile.x + tileExtent && tile.x < box.right && box.top < tile.y + tileExtent &&
           tile.y < box.bottom;
}

float overlapWidth(const Box& box, const sf::Vector2f& tile)
{
    return std::min(box.right, tile.x + tileExtent) - std::max(box.left, tile.x);
}

float overlapHeight(const Box& box, const sf::Vector2f& tile)
{
    return std::min(box.bottom, tile.y + tileExtent) - std::max(box.top, tile.y);
}

Box boxAt(const Entity& entity, float dropY)
{
    const float left = entity.position.x - entity.size.x / 2.f;
    const float top = entity.position.y + dropY - entity.size.y / 2.f;
    return Box{left, top, left + entity.size.x, top + entity.size.y};
}

// One tile against the body. Returns true when the body was moved.
bool touchTile(Entity& entity, const sf::Vector2f& tile, float dt)
{
    // 1. Ground probe, one pixel lower.
    const Box probe = boxAt(entity, 1.f);
    if (overlapsTile(probe, tile) && overlapWidth(probe, tile) >= overlapHeight(probe, tile) &&
        tile.y > entity.position.y)
        entity.onGround = true;
    // 2. Resolution with the real box.
    const Box box = boxAt(entity, 0.f);
    if (!overlapsTile(box, tile))
        return false;
    const float height = overlapHeight(box, tile);
    const float width = overlapWidth(box, tile);
    if (width <= height) {
        entity.wallContact = true;
        entity.velocity.x = 0.f;
        entity.position.x += tile.x > entity.position.x ? -width : width;
        return true;
    }
    const float tolerance = entity.onGround ? 0.f : std::fabs(dt * entity.velocity.y);
    if (height < tolerance)
        return false;
    if (tile.y > entity.position.y) {
        entity.position.y -= height;
        entity.velocity.y = 0.f;
    } else {
        entity.position.y += height;
        entity.velocity.y = ceilingBounceSpeed;
    }
    return true;
}

// Clamps a cell coordinate into the index (plus one cell of margin) before it
// becomes an integer, so far-away bodies cannot overflow the conversion.
int clampedCell(float v, int first, int count)
{
    const float cell = std::floor(v / tileExtent);
    return static_cast<int>(std::clamp(cell, static_cast<float>(first - 1), static_cast<float>(first + count)));
}

// The tile numbers after `after` that share a cell with the body's box
// stretched one pixel down (the probe), ascending and without repeats.
void nearbyTiles(const SolidTileIndex& index, const Entity& entity, int after, std::vector<int>& found)
{
    found.clear();
    const Box box = boxAt(entity, 0.f);
    const int c0 = std::max(clampedCell(box.left, index.firstColumn, index.columns), index.firstColumn);
    const int c1 = std::min(clampedCell(box.right, index.firstColumn, index.columns),
                            index.firstColumn + index.columns - 1);
    const int r0 = std::max(clampedCell(box.top, index.firstRow, index.rows), index.firstRow);
    const int r1 = std::min(clampedCell(box.bottom + 1.f, index.firstRow, index.rows), index.firstRow + index.rows - 1);
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            for (int tile : index.cells[static_cast<std::size_t>((r - index.firstRow) * index.columns +
                                                                 (c - index.firstColumn))])
                if (tile > after)
                    found.push_back(tile);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
}

bool indexUsable(const TileMap& map, const Entity& entity)
{
    return map.solidIndex.tileCount == map.solidTiles.size() && !map.solidIndex.cells.empty() &&
           std::isfinite(entity.position.x) && std::isfinite(entity.position.y) && std::isfinite(entity.size.x) &&
           std::isfinite(entity.size.y);
}

}  // namespace

void collideWithEveryTile(Entity& entity, const TileMap& map, float dt)
{
    entity.onGround = false;
    entity.wallContact = false;
    for (const sf::Vector2f& tile : map.solidTiles)
        touchTile(entity, tile, dt);
}

void collideWithTiles(Entity& entity, const TileMap& map, float dt)
{
    if (!indexUsable(map, entity)) {
        collideWithEveryTile(entity, map, dt);
        return;
    }
    entity.onGround = false;
    entity.wallContact = false;
    // Tiles away from the box cannot change anything, so only the nearby ones
    // are visited, in list order; once the body moves, the neighbourhood is
    // looked up again for the tiles after the one that moved it.
    std::vector<int> nearby;
    nearby.reserve(16);
    int last = -1;
    bool moved = true;
    while (moved) {
        moved = false;
        nearbyTiles(map.solidIndex, entity, last, nearby);
        for (int tile : nearby) {
            last = tile;
            if (touchTile(entity, map.solidTiles[static_cast<std::size_t>(tile)], dt)) {
                moved = true;
                break;
            }
        }
    }
}

void collideWithTiles(FightWorld& world, Entity& entity)
{
    collideWithTiles(entity, tiles(world), world.stepTime);
}
