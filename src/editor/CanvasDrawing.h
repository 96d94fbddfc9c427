#pragma once

namespace sf { class RenderTarget; class View; }
struct EditorCanvas;
struct ToolMenu;

// Draws the sections the view shows from their kept quads, then the hover
// preview: the selected tile, faded, over an empty cell.
void drawCanvas(const EditorCanvas& canvas, ToolMenu& menu, sf::RenderTarget& target, const sf::View& view,
                int selectedTile);
