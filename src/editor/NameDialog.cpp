#include "editor/NameDialog.h"

#include "app/Game.h"
#include "editor/LevelName.h"
#include "editor/LevelStore.h"
#include "editor/MapEditor.h"
#include "level/CustomLevelList.h"

namespace {

constexpr unsigned backspaceCode = 8;
constexpr unsigned lineFeedCode = 10;
constexpr unsigned returnCode = 13;

void showName(MapEditor& editor)
{
    editor.menu.nameText.setString(editor.levelName);
    fitTypedName(editor.menu);
    editor.deleteAsked.clear();  // a Delete asks again for the name now typed
}

// After an action that worked the dialog closes onto the tool menu.
void closeOnSuccess(MapEditor& editor, const FileOutcome& outcome)
{
    if (outcome.done)
        editor.panel = EditorPanel::FileMenu;
    showMessage(editor, outcome.message);
}

}  // namespace

void openNameDialog(MapEditor& editor, EditorPanel dialog)
{
    editor.panel = dialog;
    editor.levelName.clear();
    showName(editor);
    showMessage(editor, "");
}

void typeIntoName(MapEditor& editor, unsigned codePoint)
{
    if (codePoint == backspaceCode) {
        if (!editor.levelName.empty())
            editor.levelName.pop_back();
        showMessage(editor, "");
    } else if (codePoint == returnCode || codePoint == lineFeedCode) {
        confirmNameDialog(editor);
        return;
    } else {
        const std::string problem = typedCharacterProblem(codePoint, editor.levelName.size());
        if (problem.empty())
            editor.levelName += static_cast<char>(codePoint);
        showMessage(editor, problem);
    }
    showName(editor);
}

void confirmNameDialog(MapEditor& editor)
{
    if (editor.levelName.empty())
        return;
    switch (editor.panel) {
    case EditorPanel::SaveDialog: {
        const FileOutcome outcome = saveCustomLevel(editor.canvas.sections, editor.levelName);
        if (outcome.done)
            reloadSavedNames(editor);
        closeOnSuccess(editor, outcome);
        break;
    }
    case EditorPanel::OpenDialog: {
        OpenedLevel opened = openCustomLevel(editor.levelName);
        if (opened.outcome.done) {
            replaceSections(editor.canvas, std::move(opened.sections));
            clampZoom(editor);
        }
        closeOnSuccess(editor, opened.outcome);
        break;
    }
    case EditorPanel::DeleteDialog: {
        // A level is gone for good: the first confirm only asks.
        if (editor.deleteAsked != editor.levelName) {
            editor.deleteAsked = editor.levelName;
            showMessage(editor, "Delete " + editor.levelName + " for good? Confirm again to delete it");
            break;
        }
        editor.deleteAsked.clear();
        const FileOutcome outcome = deleteCustomLevel(editor.levelName);
        if (outcome.done)
            reloadSavedNames(editor);
        closeOnSuccess(editor, outcome);
        break;
    }
    case EditorPanel::Canvas:
    case EditorPanel::FileMenu:
        break;
    }
}

void reloadSavedNames(MapEditor& editor)
{
    editor.savedNames.clear();
    for (const CustomLevelEntry& entry : loadCustomLevelList().entries)
        editor.savedNames.push_back(entry.displayName);
    rebuildNameTexts(editor.menu, editor.savedNames, editor.game->font);
}
