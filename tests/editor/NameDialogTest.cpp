#include "editor/EditorDriver.h"
#include "editor/EditorHelp.h"
#include "editor/NameDialog.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

// The name dialogs as a player uses them: clicks on the buttons, typed text.

TEST(NameDialog, TypingTakesOnlyNameCharactersUpToThirty)
{
    EditorDriver d;
    d.openDialog(d.editor.menu.saveFileButton);
    ASSERT_EQ(d.editor.panel, EditorPanel::SaveDialog);
    d.type("ab");
    for (unsigned refused : {47u, 92u, 46u, 58u, 32u, 26u, 0xE9u, 0x4E2Du, 127u}) {  // / \ . : space, Ctrl+Z, é, 中, DEL
        SCOPED_TRACE(refused);
        d.driver.step(1, testFrame, {textEvent(refused)});
        EXPECT_EQ(d.editor.levelName, "ab");
        EXPECT_EQ(d.editor.message, "A name uses only letters, digits, - and _");
    }
    d.type("\b\b\b");  // one more than there is
    EXPECT_EQ(d.editor.levelName, "");
    EXPECT_EQ(d.editor.menu.nameText.getString().toAnsiString(), "");
    d.type(std::string(31, 'k'));
    EXPECT_EQ(d.editor.levelName, std::string(30, 'k'));
    EXPECT_EQ(d.editor.message, "A name has at most 30 characters");
    // Text reaches no dialog once it is closed.
    d.click(d.editor.menu.crossButton.getPosition() + sf::Vector2f(20.f, 20.f));
    EXPECT_EQ(d.editor.panel, EditorPanel::FileMenu);
    d.type("zz");
    EXPECT_EQ(d.editor.levelName, std::string(30, 'k'));
}

TEST(NameDialog, SaveOpenAndDeleteThroughTheDialogs)
{
    EditorDriver d;
    MapEditor& editor = d.editor;
    const ToolMenu& menu = editor.menu;
    paintCell(editor.canvas, CellHit{true, 2, 59, 19}, 12);

    // The action button does nothing until a name is typed.
    d.openDialog(menu.saveFileButton);
    d.click(menu.saveButton.getPosition());
    EXPECT_EQ(editor.panel, EditorPanel::SaveDialog);
    d.type("Mine");
    d.click(menu.saveButton.getPosition());
    EXPECT_EQ(editor.panel, EditorPanel::FileMenu);
    EXPECT_EQ(editor.savedNames, std::vector<std::string>{"Mine"});
    ASSERT_EQ(menu.nameTexts.size(), 1u);
    EXPECT_EQ(menu.nameTexts[0].getPosition(), sf::Vector2f(1500.f, 300.f));

    // A refusal keeps the dialog open with its reason.
    d.openDialog(menu.saveFileButton);
    d.type("mine");
    d.click(menu.saveButton.getPosition());
    EXPECT_EQ(editor.panel, EditorPanel::SaveDialog);
    EXPECT_NE(editor.message.find("Mine"), std::string::npos);

    // Open (Enter confirms) brings the saved cells back and clears the history.
    d.click(menu.crossButton.getPosition() + sf::Vector2f(20.f, 20.f));
    d.click(menu.addMapsButton.getPosition());
    paintCell(editor.canvas, CellHit{true, 0, 0, 0}, 4);
    d.openDialog(menu.openFileButton);
    d.type("Mine\r");
    EXPECT_EQ(editor.panel, EditorPanel::FileMenu);
    ASSERT_EQ(editor.canvas.sections.size(), 3u);
    EXPECT_EQ(editor.canvas.sections[2][59][19], 12);
    EXPECT_TRUE(editor.canvas.undoStack.empty());

    // A damaged level leaves the canvas and the view as they were.
    writeTestFile("Assets/Map/Custom/Mine/Map2.txt", "1 2 three");
    paintCell(editor.canvas, CellHit{true, 1, 1, 1}, 4);
    const auto sections = editor.canvas.sections;
    const sf::Vector2f centre = editor.view.getCenter();
    d.openDialog(menu.openFileButton);
    d.type("Mine");
    d.click(menu.openButton.getPosition());
    EXPECT_EQ(editor.panel, EditorPanel::OpenDialog);
    EXPECT_NE(editor.message.find("Map2.txt"), std::string::npos);
    EXPECT_EQ(editor.canvas.sections, sections);
    EXPECT_EQ(editor.canvas.undoStack.size(), 1u);
    EXPECT_EQ(editor.view.getCenter(), centre);

    d.click(menu.crossButton.getPosition() + sf::Vector2f(20.f, 20.f));
    // Delete asks first; typing another name asks again.
    d.openDialog(menu.deleteFileButton);
    d.type("Mine");
    d.click(menu.deleteButton.getPosition());
    EXPECT_EQ(editor.panel, EditorPanel::DeleteDialog);
    EXPECT_EQ(editor.message, "Delete Mine for good? Confirm again to delete it");
    d.type("\b\b\b\bMine");
    d.click(menu.deleteButton.getPosition());
    EXPECT_TRUE(std::filesystem::exists("Assets/Map/Custom/Mine"));
    d.click(menu.deleteButton.getPosition());
    EXPECT_EQ(editor.panel, EditorPanel::FileMenu);
    EXPECT_TRUE(editor.savedNames.empty());
    EXPECT_FALSE(std::filesystem::exists("Assets/Map/Custom/Mine"));
}

TEST(NameDialog, LongNamesStayInsideTheBoxAndAListOfFortyTurnsByPages)
{
    EditorDriver d;
    MapEditor& editor = d.editor;
    const ToolMenu& menu = editor.menu;
    d.openDialog(menu.saveFileButton);
    d.type(std::string(30, 'W'));
    const sf::FloatRect box = menu.fileBackground.getGlobalBounds();
    const sf::FloatRect name = menu.nameText.getGlobalBounds();
    EXPECT_GE(name.left, box.left);
    EXPECT_LE(name.left + name.width, box.left + box.width);
    EXPECT_STREQ(dialogTitle(editor.panel), "Save level as:");

    std::string list = "40\n";
    for (int i = 0; i < 40; ++i)
        list += "Assets/Map/Custom/L" + std::to_string(i) + "/L" + std::to_string(i) + ".txt\n";
    writeTestFile("Assets/Map/Custom/Custom.txt", list);
    reloadSavedNames(editor);
    ASSERT_EQ(editor.savedNames.size(), 40u);
    EXPECT_EQ(menu.nameTexts.size(), 9u);
    EXPECT_LT(menu.pageText.getGlobalBounds().top + menu.pageText.getGlobalBounds().height, 1080.f);
    EXPECT_EQ(menu.pageText.getString().toAnsiString(), "1-9 of 40  PgUp / PgDn");
    for (int turn = 0; turn < 6; ++turn)
        turnNamePage(editor.menu, editor.savedNames, 1, editor.game->font);
    EXPECT_EQ(menu.nameTexts.size(), 4u);
    EXPECT_EQ(menu.nameTexts[0].getString().toAnsiString(), "L36");
    turnNamePage(editor.menu, editor.savedNames, -1, editor.game->font);
    EXPECT_EQ(menu.nameTexts[0].getString().toAnsiString(), "L27");
}
