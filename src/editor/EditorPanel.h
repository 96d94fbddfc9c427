#pragma once

#include <cstdint>

// What the editor shows over its canvas.
enum class EditorPanel : std::int32_t { Canvas = 0, FileMenu = 1, SaveDialog = 2, OpenDialog = 3, DeleteDialog = 4 };
