#pragma once

#include "editor/EditorCanvas.h"
#include "editor/EditorPanel.h"
#include "editor/ToolMenu.h"

#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>
#include <vector>

struct Game;

constexpr int paletteTileCount = 20;  // tile codes 0..19
constexpr float keyScrollStep = 50.f;  // px the view moves per Q/D or arrow key event

// The tile level editor: the canvas, its view, the tool menu and the name dialogs.
struct MapEditor {
    Game* game = nullptr;
    sf::View view{sf::FloatRect(0.f, 0.f, 1920.f, 1080.f)};
    EditorPanel panel = EditorPanel::Canvas;
    EditorCanvas canvas;
    int selectedTile = 0;
    bool clickConsumed = false;  // the last press was used by a button
    std::string levelName;        // typed in a dialog
    std::vector<std::string> savedNames;  // the levels of the list, as shown in the tool menu
    std::string message;          // the last refusal or outcome, one line
    std::string deleteAsked;      // the name a first Delete confirm asked about
    ToolMenu menu;
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
// A logical screen point in the canvas's world.
sf::Vector2f screenToCanvas(const MapEditor& editor, sf::Vector2f screenPoint);
// Shows (and prints) a one-line message: an outcome or the reason for a refusal.
void showMessage(MapEditor& editor, const std::string& message);
