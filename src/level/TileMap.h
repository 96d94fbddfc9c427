#pragma once

struct Game;

// The level grid: sections of `columns` x 20 tiles of 64 px. Filled in by the
// level loader.
struct TileMap {
    Game* game = nullptr;
};
