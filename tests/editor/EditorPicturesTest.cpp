#include "app/SceneDriver.h"
#include "editor/MapEditor.h"

#include <gtest/gtest.h>

#include <cstdlib>

// What the editor shows: painted tiles from the tileset, the hover preview,
// the tool menu over its dark overlay, and a name dialog.

namespace {

sf::Image shoot(HeadlessGame& driver, const std::string& name)
{
    driver.step(1);
    EXPECT_TRUE(driver.saveScreenshot(name));
    if (const char* keep = std::getenv("KESTRELFALL_SHOTS"))
        driver.saveScreenshot(std::string(keep) + "/" + name);
    sf::Image shot;
    shot.loadFromFile(name);
    return shot;
}

int brightness(sf::Color c)
{
    return c.r + c.g + c.b;
}

}  // namespace

TEST(EditorPictures, CanvasMenuAndDialogAreDrawn)
{
    HeadlessGame driver(true);
    Game& game = *driver.game;
    MapEditor& editor = game.editor;
    game.state = SceneState::Editor;
    // Tiles 0..19 along row 10 of section 1, one each, and the hover on row 12.
    for (int code = 0; code < 20; ++code) {
        editor.selectedTile = code;
        paintCell(editor.canvas, CellHit{true, 1, 15 + code, 10}, code);
    }
    editor.selectedTile = 3;
    setHover(editor.canvas, CellHit{true, 1, 16, 12});
    const sf::Image canvas = shoot(driver, "editor-canvas.png");
    // Section 1, column 15 starts at world 3904 + 960 = 4864, the view's left edge.
    const sf::Color ground = canvas.getPixel(32, 10 * 64 + 32);
    const sf::Color empty = canvas.getPixel(32, 9 * 64 + 32);
    EXPECT_NE(ground, empty);
    EXPECT_NE(canvas.getPixel(64 + 32, 12 * 64 + 32), empty);  // the hover shows the selected tile

    editor.panel = EditorPanel::FileMenu;
    const sf::Image menu = shoot(driver, "editor-menu.png");
    EXPECT_LT(brightness(menu.getPixel(32, 9 * 64 + 32)), brightness(empty));  // under the overlay
    EXPECT_EQ(menu.getPixel(1408 + 32, 32), canvas.getPixel(32, 10 * 64 + 32));  // palette cell 0

    editor.panel = EditorPanel::SaveDialog;
    std::vector<sf::Event> typed;
    for (char c : std::string("Cliffs/")) {
        sf::Event event;
        event.type = sf::Event::TextEntered;
        event.text.unicode = static_cast<unsigned char>(c);
        typed.push_back(event);
    }
    driver.step(1, testFrame, typed);
    EXPECT_EQ(editor.levelName, "Cliffs");
    EXPECT_FALSE(editor.message.empty());
    const sf::Image dialog = shoot(driver, "editor-dialog.png");
    EXPECT_NE(dialog.getPixel(960, 540), menu.getPixel(960, 540));
}
