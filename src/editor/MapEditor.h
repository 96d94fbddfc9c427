#pragma once

struct Game;

// The tile level editor.
struct MapEditor {
    Game* game = nullptr;
};
