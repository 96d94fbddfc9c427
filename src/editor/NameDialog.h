#pragma once

#include "editor/EditorPanel.h"

struct MapEditor;

// The Save, Open and Delete dialogs: typing a name and running the file
// operation it names. A refusal keeps the dialog open with its reason.
void openNameDialog(MapEditor& editor, EditorPanel dialog);
void typeIntoName(MapEditor& editor, unsigned codePoint);
void confirmNameDialog(MapEditor& editor);
// Reads the names of the listed levels again and rebuilds their texts.
void reloadSavedNames(MapEditor& editor);
