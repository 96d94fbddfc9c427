#include "editor/EditorDriver.h"

#include <gtest/gtest.h>

// The canvas: painting, undo, the section buttons, zoom, scrolling and keys.

TEST(EditorCanvas, StartsWithThreeEmptySectionsAroundTheMiddleOne)
{
    EditorDriver d;
    ASSERT_EQ(d.editor.canvas.sections.size(), 3u);
    EXPECT_EQ(d.editor.view.getCenter(), sf::Vector2f(5824.f, 540.f));
    EXPECT_EQ(d.code(2, 59, 19), emptyCode);
}

TEST(EditorCanvas, DragPaintsEachCellOnceAndUndoRestoresNewestFirst)
{
    EditorDriver d;
    d.editor.selectedTile = 5;
    // The view's top-left is world (4864, 0): screen (100, 100) is section 1, column 16, row 1.
    d.press(100, 100);
    d.move(130, 110);  // same cell, same code: no second record
    d.move(164, 100);
    d.move(228, 100);
    d.release();
    d.move(292, 100);  // button up: hover only
    EXPECT_EQ(d.code(1, 16, 1), 5);
    EXPECT_EQ(d.code(1, 18, 1), 5);
    EXPECT_EQ(d.code(1, 19, 1), emptyCode);
    EXPECT_EQ(d.editor.canvas.hover.column, 19);
    EXPECT_EQ(d.editor.canvas.undoStack.size(), 3u);

    d.press(164, 100, sf::Mouse::Right);  // erase: one more record
    d.release();
    EXPECT_EQ(d.code(1, 17, 1), emptyCode);
    d.undo();
    EXPECT_EQ(d.code(1, 17, 1), 5);
    d.undo();
    EXPECT_EQ(d.code(1, 18, 1), emptyCode);
    EXPECT_EQ(d.code(1, 16, 1), 5);
    d.undo();
    d.undo();
    d.undo();  // an empty history does nothing
    EXPECT_EQ(d.code(1, 16, 1), emptyCode);
    // Z without Left Control is no undo.
    d.press(100, 100);
    d.release();
    d.key(sf::Keyboard::Z);
    EXPECT_EQ(d.code(1, 16, 1), 5);
}

TEST(EditorCanvas, EdgesGapsAndTheFileButtonPaintNothing)
{
    EditorDriver d;
    // Section 0 ends at world 3840, section 1 starts at 3904: the view's left edge at 2944.
    d.editor.view.setCenter(3904.f, 540.f);
    for (int x : {896, 900, 930, 960}) {
        d.press(x, 500);
        d.release();
    }
    d.press(500, 0);  // the top edge of the sections
    d.release();
    EXPECT_TRUE(d.editor.canvas.undoStack.empty());
    d.press(961, 500);
    d.release();
    EXPECT_EQ(d.code(1, 0, 7), 0);
    // A press on the file button opens the menu and paints nothing under it.
    d.press(10, 10);
    d.release();
    EXPECT_EQ(d.editor.panel, EditorPanel::FileMenu);
    EXPECT_EQ(d.editor.canvas.undoStack.size(), 1u);
}

TEST(EditorCanvas, SectionButtonsStopAtTheLimitsAndUndoFollowsTheCells)
{
    EditorDriver d;
    const ToolMenu& menu = d.editor.menu;
    d.editor.selectedTile = 7;
    d.press(100, 100);  // section 1, column 16, row 1
    d.release();
    d.click({10, 10});
    d.click(menu.addMapsButton.getPosition());
    ASSERT_EQ(d.editor.canvas.sections.size(), 5u);
    EXPECT_EQ(d.code(2, 16, 1), 7);
    d.click(menu.addMapsButton.getPosition());
    d.click(menu.addMapsButton.getPosition());
    d.click(menu.addMapsButton.getPosition());
    EXPECT_EQ(d.editor.canvas.sections.size(), 9u);
    EXPECT_EQ(d.code(4, 16, 1), 7);

    // Back on the canvas: a record in the first section, which removal drops.
    d.click({10, 10});
    d.editor.view.setCenter(960.f, 540.f);
    d.press(100, 100);  // section 0, column 1, row 1
    d.release();
    d.click({10, 10});
    for (int i = 0; i < 4; ++i)
        d.click(menu.removeMapsButton.getPosition());
    ASSERT_EQ(d.editor.canvas.sections.size(), 3u);
    EXPECT_EQ(d.editor.view.getCenter(), sf::Vector2f(5824.f, 540.f));
    d.click({10, 10});
    d.undo();
    EXPECT_EQ(d.code(1, 16, 1), emptyCode);
    EXPECT_TRUE(d.editor.canvas.undoStack.empty());
}

TEST(EditorCanvas, ZoomScrollAndKeysKeepTheirBounds)
{
    EditorDriver d;
    MapEditor& editor = d.editor;
    const float layoutWidth = 3 * 3840.f + 2 * 64.f;
    d.driver.step(1, testFrame, {wheelEvent(-200)});
    EXPECT_FLOAT_EQ(editor.view.getSize().x, layoutWidth);
    EXPECT_FLOAT_EQ(editor.view.getSize().y, layoutWidth / 1920.f * 1080.f);
    d.driver.step(1, testFrame, {wheelEvent(1)});
    EXPECT_LT(editor.view.getSize().x, layoutWidth);
    d.driver.step(1, testFrame, {wheelEvent(100)});  // a factor below zero
    EXPECT_EQ(editor.view.getSize(), sf::Vector2f(1920.f, 1080.f));

    // Scrolling stops at the layout's ends (the frame update keeps it inside).
    for (int i = 0; i < 200; ++i)
        d.key(sf::Keyboard::Left);
    EXPECT_FLOAT_EQ(editor.view.getCenter().x, 960.f);
    d.key(sf::Keyboard::D);
    EXPECT_FLOAT_EQ(editor.view.getCenter().x, 1010.f);

    editor.selectedTile = 19;
    d.key(sf::Keyboard::Up);
    EXPECT_EQ(editor.selectedTile, 0);
    d.key(sf::Keyboard::Down);
    EXPECT_EQ(editor.selectedTile, 19);

    // Escape steps back: dialog, tool menu, canvas, hub. No scrolling in the menu.
    editor.panel = EditorPanel::SaveDialog;
    d.key(sf::Keyboard::Escape);
    EXPECT_EQ(editor.panel, EditorPanel::FileMenu);
    d.key(sf::Keyboard::Right);
    EXPECT_FLOAT_EQ(editor.view.getCenter().x, 1010.f);
    d.key(sf::Keyboard::Escape);
    EXPECT_EQ(editor.panel, EditorPanel::Canvas);
    EXPECT_EQ(d.game.state, SceneState::Editor);
    d.key(sf::Keyboard::Escape);
    EXPECT_EQ(d.game.state, SceneState::MainHub);
}
