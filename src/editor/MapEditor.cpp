#include "editor/MapEditor.h"

#include "app/Game.h"

void initEditor(MapEditor& editor, Game& game)
{
    editor.game = &game;
}

bool isNameDialog(EditorPanel panel)
{
    return panel == EditorPanel::SaveDialog || panel == EditorPanel::OpenDialog || panel == EditorPanel::DeleteDialog;
}

// Until the canvas is written, Escape on the canvas is all the editor does:
// it leaves for the hub, so the door does not lead into a dead end.
void onKeyPressed(MapEditor& editor)
{
    Game& game = *editor.game;
    if (game.input.keyDown(sf::Keyboard::Escape) && editor.panel == EditorPanel::Canvas)
        game.state = SceneState::MainHub;
}

// Placeholders until the editor is written.
void updateView(MapEditor&) {}
void drawEditor(MapEditor&) {}
void onMousePressed(MapEditor&, sf::Vector2f) {}
void onMouseMoved(MapEditor&, sf::Vector2f) {}
void onTextEntered(MapEditor&, unsigned) {}
void clampZoom(MapEditor&) {}
