#pragma once

#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

struct Game;

enum class EditorPanel : std::int32_t { Canvas = 0, FileMenu = 1, SaveDialog = 2, OpenDialog = 3, DeleteDialog = 4 };

// The tile level editor.
struct MapEditor {
    Game* game = nullptr;
    sf::View view{sf::FloatRect(0.f, 0.f, 1920.f, 1080.f)};
    EditorPanel panel = EditorPanel::Canvas;
};

void initEditor(MapEditor& editor, Game& game);
// Each frame in the editor: keeps the view horizontally inside the edited map.
void updateView(MapEditor& editor);
void drawEditor(MapEditor& editor);
// Mouse positions are points of the 1920 x 1080 logical screen.
void onMousePressed(MapEditor& editor, sf::Vector2f mouse);
void onMouseMoved(MapEditor& editor, sf::Vector2f mouse);
// A key event in the editor; it reads the keys' up/down state.
void onKeyPressed(MapEditor& editor);
// A typed character while a name dialog is open.
void onTextEntered(MapEditor& editor, unsigned codePoint);
// Keeps the zoom between 1920 x 1080 and the whole layout width.
void clampZoom(MapEditor& editor);
// Whether the panel is one of the three name dialogs.
bool isNameDialog(EditorPanel panel);
