#pragma once

#include "editor/EditorPanel.h"

namespace sf {
class RenderTarget;
class View;
}  // namespace sf
struct MapEditor;

// What the editor tells a player on screen: the controls in one line under
// the canvas, the section count and each section's number over it, the
// selected tile marked in the palette, and what a name dialog does.

// "Save level as:", "Open level:", "Delete level:" ("" for other panels).
const char* dialogTitle(EditorPanel panel);

// Over the canvas, in the canvas's view: "Section 2 / 5" over each section.
void drawSectionNumbers(const MapEditor& editor, sf::RenderTarget& target, const sf::View& view);
// In screen coordinates, after the tool menu: the help bar (canvas), the
// palette marker (tool menu), the dialog's title (name dialogs).
void drawEditorHelp(const MapEditor& editor, sf::RenderTarget& target);
