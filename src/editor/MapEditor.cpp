#include "editor/MapEditor.h"

#include "app/Game.h"
#include "editor/CanvasDrawing.h"
#include "editor/EditorHelp.h"
#include "editor/NameDialog.h"

#include <iostream>

namespace {

const sf::Vector2f designSize{1920.f, 1080.f};  // px: the least the view shows

bool keyDown(const MapEditor& editor, sf::Keyboard::Key key)
{
    return editor.game->input.keyDown(key);
}

bool mouseDown(const MapEditor& editor, sf::Mouse::Button button)
{
    return editor.game->input.mouseButtons[button];
}

// The view centred on the middle section, at the design size.
void centreOnMiddleSection(MapEditor& editor)
{
    const float half = static_cast<float>(lastSectionOf(editor.canvas)) * 0.5f;
    editor.view.reset(sf::FloatRect(sf::Vector2f(), designSize));
    editor.view.setCenter(editorSectionWidth * half + editorSectionWidth / 2.f + sectionGap * half, designSize.y / 2.f);
}

// Left paints the selected tile and right erases, under the mouse.
void paintUnderMouse(MapEditor& editor, const CellHit& cell)
{
    if (mouseDown(editor, sf::Mouse::Left))
        paintCell(editor.canvas, cell, editor.selectedTile);
    if (mouseDown(editor, sf::Mouse::Right))
        paintCell(editor.canvas, cell, emptyCode);
}

// After the outer sections went: the view no wider than the layout, centred on it.
void refitViewAfterRemoval(MapEditor& editor)
{
    const float width = editorTotalWidth(editor.canvas);
    if (editor.view.getSize().x > width)
        editor.view.setSize(width, width / designSize.x * designSize.y);
    editor.view.setCenter(width / 2.f, designSize.y / 2.f);
}

void pressInToolMenu(MapEditor& editor, sf::Vector2f mouse)
{
    const MenuHit hit = toolMenuHit(editor.menu, mouse);
    if (hit.tile >= 0)
        editor.selectedTile = hit.tile;
    switch (hit.action) {
    case MenuAction::Back:
        editor.panel = EditorPanel::Canvas;
        editor.clickConsumed = true;
        showMessage(editor, "");
        break;
    case MenuAction::OpenSaveDialog:
        openNameDialog(editor, EditorPanel::SaveDialog);
        break;
    case MenuAction::OpenOpenDialog:
        openNameDialog(editor, EditorPanel::OpenDialog);
        break;
    case MenuAction::OpenDeleteDialog:
        openNameDialog(editor, EditorPanel::DeleteDialog);
        break;
    case MenuAction::AddSections:
        addSections(editor.canvas);
        break;
    case MenuAction::RemoveSections:
        if (removeSections(editor.canvas))
            refitViewAfterRemoval(editor);
        break;
    case MenuAction::None:
    case MenuAction::PickTile:
    case MenuAction::Confirm:
        break;
    }
}

void pressInDialog(MapEditor& editor, sf::Vector2f mouse)
{
    const MenuHit hit = dialogHit(editor.menu, editor.panel, !editor.levelName.empty(), mouse);
    if (hit.action == MenuAction::Back) {
        editor.panel = EditorPanel::FileMenu;
        showMessage(editor, "");
    } else if (hit.action == MenuAction::Confirm) {
        confirmNameDialog(editor);
    }
}

void escapeOnePanel(MapEditor& editor)
{
    switch (editor.panel) {
    case EditorPanel::Canvas:
        editor.game->state = SceneState::MainHub;
        break;
    case EditorPanel::FileMenu:
        editor.panel = EditorPanel::Canvas;
        break;
    case EditorPanel::SaveDialog:
    case EditorPanel::OpenDialog:
    case EditorPanel::DeleteDialog:
        editor.panel = EditorPanel::FileMenu;
        break;
    }
    showMessage(editor, "");
}

}  // namespace

void initEditor(MapEditor& editor, Game& game)
{
    editor.game = &game;
    resetCanvas(editor.canvas);
    initToolMenu(editor.menu, game.font);
    centreOnMiddleSection(editor);
    reloadSavedNames(editor);
}

bool isNameDialog(EditorPanel panel)
{
    return panel == EditorPanel::SaveDialog || panel == EditorPanel::OpenDialog || panel == EditorPanel::DeleteDialog;
}

sf::Vector2f screenToCanvas(const MapEditor& editor, sf::Vector2f screenPoint)
{
    const sf::Vector2f size = editor.view.getSize();
    const sf::Vector2f topLeft = editor.view.getCenter() - size / 2.f;
    return sf::Vector2f(topLeft.x + screenPoint.x * size.x / designSize.x,
                        topLeft.y + screenPoint.y * size.y / designSize.y);
}

void showMessage(MapEditor& editor, const std::string& message)
{
    if (message == editor.message)
        return;
    editor.message = message;
    editor.menu.messageText.setString(message);
    if (!message.empty())
        std::cout << message << std::endl;
}

void onKeyPressed(MapEditor& editor)
{
    // 1. Escape steps back one panel; from the canvas it leaves for the hub.
    if (keyDown(editor, sf::Keyboard::Escape))
        escapeOnePanel(editor);
    // 2. Scrolling, on the canvas only.
    if (editor.panel == EditorPanel::Canvas) {
        if (keyDown(editor, sf::Keyboard::Q) || keyDown(editor, sf::Keyboard::Left))
            editor.view.move(-keyScrollStep, 0.f);
        if (keyDown(editor, sf::Keyboard::D) || keyDown(editor, sf::Keyboard::Right))
            editor.view.move(keyScrollStep, 0.f);
    }
    // 3. The selected tile, in any panel.
    if (keyDown(editor, sf::Keyboard::Up))
        editor.selectedTile = (editor.selectedTile + 1) % paletteTileCount;
    if (keyDown(editor, sf::Keyboard::Down))
        editor.selectedTile = (editor.selectedTile + paletteTileCount - 1) % paletteTileCount;
    // 4. Pages of the saved names, in the tool menu.
    if (editor.panel == EditorPanel::FileMenu && (keyDown(editor, sf::Keyboard::PageDown) ||
                                                  keyDown(editor, sf::Keyboard::PageUp))) {
        turnNamePage(editor.menu, editor.savedNames, keyDown(editor, sf::Keyboard::PageDown) ? 1 : -1,
                     editor.game->font);
    }
    // 5. Undo, on the canvas only.
    if (editor.panel == EditorPanel::Canvas && keyDown(editor, sf::Keyboard::LControl) &&
        keyDown(editor, sf::Keyboard::Z))
        undo(editor.canvas);
}

void onMousePressed(MapEditor& editor, sf::Vector2f mouse)
{
    editor.clickConsumed = false;
    if (mouseDown(editor, sf::Mouse::Left)) {
        switch (editor.panel) {
        case EditorPanel::Canvas:
            if (fileButtonHit(editor.menu, mouse)) {
                editor.panel = EditorPanel::FileMenu;
                editor.clickConsumed = true;
                return;
            }
            break;
        case EditorPanel::FileMenu:
            pressInToolMenu(editor, mouse);
            break;
        case EditorPanel::SaveDialog:
        case EditorPanel::OpenDialog:
        case EditorPanel::DeleteDialog:
            pressInDialog(editor, mouse);
            break;
        }
    }
    if (editor.panel != EditorPanel::Canvas || editor.clickConsumed)
        return;
    paintUnderMouse(editor, cellAt(editor.canvas, screenToCanvas(editor, mouse)));
}

void onMouseMoved(MapEditor& editor, sf::Vector2f mouse)
{
    if (editor.panel != EditorPanel::Canvas)
        return;
    const CellHit cell = cellAt(editor.canvas, screenToCanvas(editor, mouse));
    paintUnderMouse(editor, cell);
    setHover(editor.canvas, cell);
}

void onTextEntered(MapEditor& editor, unsigned codePoint)
{
    if (isNameDialog(editor.panel))
        typeIntoName(editor, codePoint);
}

void clampZoom(MapEditor& editor)
{
    const float width = editorTotalWidth(editor.canvas);
    const sf::Vector2f size = editor.view.getSize();
    if (size.x > width) {
        editor.view.setCenter(width / 2.f, designSize.y / 2.f);
        editor.view.setSize(width, width / designSize.x * designSize.y);
    }
    if (size.x < designSize.x)
        editor.view.setSize(designSize.x, size.y);
    if (editor.view.getSize().y < designSize.y)
        editor.view.setSize(editor.view.getSize().x, designSize.y);
}

void updateView(MapEditor& editor)
{
    const float width = editorTotalWidth(editor.canvas);
    sf::Vector2f centre = editor.view.getCenter();
    const float half = editor.view.getSize().x / 2.f;
    if (centre.x - half <= 0.f)
        centre.x = half;
    if (centre.x + half >= width)
        centre.x = width - half;
    editor.view.setCenter(centre);
}

void drawEditor(MapEditor& editor)
{
    sf::RenderTexture& layer = editor.game->screenLayer;
    layer.setView(editor.view);
    drawCanvas(editor.canvas, editor.menu, layer, editor.view, editor.selectedTile);
    drawSectionNumbers(editor, layer, editor.view);
    layer.setView(layer.getDefaultView());
    drawToolMenu(editor.menu, layer, editor.panel, !editor.levelName.empty());
    drawEditorHelp(editor, layer);
}
