#pragma once

#include <cstdint>

// The scene the game is in. Stored as a 32-bit integer; values are fixed.
// Scoped, because several scene objects share their scene's name (MainHub).
enum class SceneState : std::int32_t {
    Splash = 0,
    Title = 1,
    MainHub = 2,
    Editor = 3,
    Options = 4,
    Credits = 5,
    ModeSelect = 6,
    CustomMapSelect = 7,
    MapSelect = 8,
    Fight = 9,
    Victory = 10,
    Pause = 11,
    KeyBindings = 12,
    OnlineMenu = 13,
};
