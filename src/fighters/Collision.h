#pragma once

struct Entity;
struct FightWorld;
struct TileMap;

// Settles a body against the solid tiles of the live section: the ground
// probe sets `onGround`, side contacts push it out sideways and set
// `wallContact`, floors and ceilings push it out vertically. Tiles are taken
// in list order and each sees the position left by the ones before, so the
// result depends on that order; only the tiles near the body are visited.
void collideWithTiles(Entity& entity, const TileMap& map, float dt);
void collideWithTiles(FightWorld& world, Entity& entity);

// The same, visiting every tile of the list (used when the list is not indexed).
void collideWithEveryTile(Entity& entity, const TileMap& map, float dt);
