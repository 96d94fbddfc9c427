#include "editor/EditorHelp.h"

#include "app/Game.h"
#include "editor/EditorCanvas.h"
#include "editor/MapEditor.h"
#include "resources/Caption.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>

namespace {

constexpr unsigned helpSize = 24;             // px
constexpr float helpBarHeight = 44.f;         // px, at the bottom of the screen
constexpr unsigned sectionNumberSize = 56;    // px in the canvas's world
constexpr float sectionNumberY = 60.f;        // px from the top of a section
constexpr unsigned titleSize = 34;            // px
constexpr float titleAboveBox = 36.f;         // px over the dialog box's top
constexpr float paletteCell = 64.f;           // px
constexpr int paletteColumns = 8;
constexpr float markerThickness = 4.f;        // px
const sf::Color helpBarColour(0, 0, 0, 170);
const sf::Color markerColour(255, 226, 60);
const char* const helpLine =
    "Left: paint   Right: erase   Up/Down: tile   Ctrl+Z: undo   Wheel: zoom   Q/D: scroll   FILE: save, open, sections";

void drawHelpBar(const MapEditor& editor, sf::RenderTarget& target)
{
    const sf::Vector2f screen = editor.game->resolution;
    sf::RectangleShape bar({screen.x, helpBarHeight});
    bar.setPosition(0.f, screen.y - helpBarHeight);
    bar.setFillColor(helpBarColour);
    target.draw(bar);
    sf::Text line = captionText(editor.game->font, helpLine, helpSize, {screen.x / 2.f, screen.y - helpBarHeight / 2.f});
    fitTextWidth(line, screen.x - 20.f);
    target.draw(line);
}

void drawPaletteMarker(const MapEditor& editor, sf::RenderTarget& target)
{
    const sf::Vector2f corner = editor.menu.palette.getPosition();
    const int tile = editor.selectedTile;
    sf::RectangleShape marker({paletteCell - 2.f * markerThickness, paletteCell - 2.f * markerThickness});
    marker.setPosition(corner.x + paletteCell * static_cast<float>(tile % paletteColumns) + markerThickness,
                       corner.y + paletteCell * static_cast<float>(tile / paletteColumns) + markerThickness);
    marker.setFillColor(sf::Color::Transparent);
    marker.setOutlineColor(markerColour);
    marker.setOutlineThickness(markerThickness);
    target.draw(marker);
}

void drawDialogTitle(const MapEditor& editor, sf::RenderTarget& target)
{
    const sf::FloatRect box = editor.menu.fileBackground.getGlobalBounds();
    drawCaption(target, editor.game->font, dialogTitle(editor.panel), titleSize,
                {box.left + box.width / 2.f, box.top - titleAboveBox});
}

}  // namespace

const char* dialogTitle(EditorPanel panel)
{
    switch (panel) {
    case EditorPanel::SaveDialog:
        return "Save level as:";
    case EditorPanel::OpenDialog:
        return "Open level:";
    case EditorPanel::DeleteDialog:
        return "Delete level:";
    case EditorPanel::Canvas:
    case EditorPanel::FileMenu:
        break;
    }
    return "";
}

void drawSectionNumbers(const MapEditor& editor, sf::RenderTarget& target, const sf::View& view)
{
    const int count = lastSectionOf(editor.canvas) + 1;
    const float viewLeft = view.getCenter().x - view.getSize().x / 2.f;
    const float viewRight = viewLeft + view.getSize().x;
    for (int s = 0; s < count; ++s) {
        const float left = sectionStart(s);
        if (left > viewRight || left + editorSectionWidth < viewLeft)
            continue;
        drawCaption(target, editor.game->font, "Section " + std::to_string(s + 1) + " / " + std::to_string(count),
                    sectionNumberSize, {left + editorSectionWidth / 2.f, sectionNumberY});
    }
}

void drawEditorHelp(const MapEditor& editor, sf::RenderTarget& target)
{
    if (editor.panel == EditorPanel::Canvas)
        drawHelpBar(editor, target);
    else if (editor.panel == EditorPanel::FileMenu)
        drawPaletteMarker(editor, target);
    else
        drawDialogTitle(editor, target);
}
