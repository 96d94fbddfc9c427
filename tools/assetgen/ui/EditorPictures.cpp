#include "ui/UiPictures.h"

#include "AssetWriter.h"
#include "Canvas.h"
#include "ui/UiKit.h"

#include <string>

namespace {

// Sizes in pixels. The File and Back buttons share the top-left corner (a
// click on one's rectangle is read as the other when the menu is open), so
// they have one size. The menu buttons stand 1.5 heights apart around the
// screen centre; the dialog box is centred, its action button near its
// bottom, the close cross in its top-right corner.
const int cornerButtonWidth = 176;
const int cornerButtonHeight = 64;
const int menuButtonWidth = 360;
const int menuButtonHeight = 80;
const int dialogWidth = 800;
const int dialogHeight = 400;
const int actionButtonWidth = 240;
const int actionButtonHeight = 72;
const int crossSize = 56;
const int tileSize = 64;

const std::string editor = "Assets/Sprites/MapEditor/";
const sf::Color dangerRed(150, 46, 36);

sf::Image button(int width, int height, const std::string& label, sf::Color face = ui::wood)
{
    sf::Image picture = blankImage(static_cast<unsigned>(width), static_cast<unsigned>(height));
    ui::drawButton(picture, 0, width, height, label, ui::ButtonLook::Idle, face);
    return picture;
}

// The dialog box: a wooden board with a strip for the prompt along its top
// (clear of the close cross) and a carved field at its centre, where the
// game writes the typed name.
sf::Image fileBackground()
{
    sf::Image box = blankImage(dialogWidth, dialogHeight);
    ui::PanelStyle style;
    style.trim = ui::gold;
    ui::drawWoodPanel(box, 0, 0, dialogWidth, dialogHeight, style);
    const sf::Color carved(40, 26, 16, 200);
    ui::drawSlot(box, crossSize + 8, 8, dialogWidth - 2 * crossSize - 16, 40, ui::woodDark, carved);
    ui::drawSlot(box, 80, dialogHeight / 2 - 34, dialogWidth - 160, 68, ui::gold, sf::Color(14, 30, 22, 240));
    ui::drawLeaves(box, 14, dialogHeight - 14, 40, -1);
    ui::drawLeaves(box, dialogWidth - 14, dialogHeight - 14, 40, 1);
    return box;
}

sf::Image cross()
{
    sf::Image picture = blankImage(crossSize, crossSize);
    ui::fillRounded(picture, 2, 2, crossSize - 4, crossSize - 4, 6, ui::ink);
    ui::fillRounded(picture, 4, 4, crossSize - 8, crossSize - 8, 5, dangerRed);
    ui::fillRounded(picture, 6, 5, crossSize - 12, crossSize - 16, 4, sf::Color(200, 64, 50));
    drawLine(picture, 17, 16, 38, 37, 7, ui::ink);
    drawLine(picture, 38, 16, 17, 37, 7, ui::ink);
    drawLine(picture, 17, 15, 38, 36, 5, ui::cream);
    drawLine(picture, 38, 15, 17, 36, 5, ui::cream);
    return picture;
}

// An empty canvas cell: dark, with a faint grid line on its top and left so
// that the cells of a section read as a grid.
sf::Image emptyTile()
{
    sf::Image tile = blankImage(tileSize, tileSize, sf::Color(22, 34, 28));
    fillRect(tile, 0, 0, tileSize, 1, sf::Color(60, 84, 66));
    fillRect(tile, 0, 0, 1, tileSize, sf::Color(60, 84, 66));
    for (int i = 8; i < tileSize; i += 8) {
        plot(tile, i, tileSize / 2, sf::Color(38, 54, 44));
        plot(tile, tileSize / 2, i, sf::Color(38, 54, 44));
    }
    return tile;
}

}  // namespace

void generateEditorPictures(AssetContext& ctx)
{
    writePng(ctx, editor + "FileButton.png", button(cornerButtonWidth, cornerButtonHeight, "FILE"));
    writePng(ctx, editor + "BackButton.png", button(cornerButtonWidth, cornerButtonHeight, "< BACK"));
    writePng(ctx, editor + "SaveFileButton.png", button(menuButtonWidth, menuButtonHeight, "SAVE LEVEL"));
    writePng(ctx, editor + "OpenFileButton.png", button(menuButtonWidth, menuButtonHeight, "OPEN LEVEL"));
    writePng(ctx, editor + "DeleteFileButton.png",
             button(menuButtonWidth, menuButtonHeight, "DELETE LEVEL", dangerRed));
    writePng(ctx, editor + "AddMaps.png", button(menuButtonWidth, menuButtonHeight, "+2 SECTIONS", ui::leafDark));
    writePng(ctx, editor + "RemoveMaps.png", button(menuButtonWidth, menuButtonHeight, "-2 SECTIONS", ui::leafDark));
    writePng(ctx, editor + "SaveButton.png", button(actionButtonWidth, actionButtonHeight, "SAVE"));
    writePng(ctx, editor + "OpenButton.png", button(actionButtonWidth, actionButtonHeight, "OPEN"));
    writePng(ctx, editor + "DeleteButton.png", button(actionButtonWidth, actionButtonHeight, "DELETE", dangerRed));
    writePng(ctx, editor + "FileBackground.png", fileBackground());
    writePng(ctx, editor + "Cross.png", cross());
    writePng(ctx, editor + "EmptyTile.png", emptyTile());
}
