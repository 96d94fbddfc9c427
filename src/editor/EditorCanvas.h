#pragma once

#include "editor/CanvasQuads.h"
#include "level/TileMap.h"

#include <SFML/System/Vector2.hpp>

#include <vector>

// The edited level: sections of 60 x 20 tile codes laid side by side with a
// 64 px gap, the undo history and the hovered cell. Positions are editor
// world pixels.

constexpr float editorSectionWidth = 3840.f;  // px: 60 columns of 64 px
constexpr float sectionGap = 64.f;            // px between two sections
constexpr float editorSectionHeight = 1280.f;  // px: 20 rows of 64 px
constexpr int minEditorSections = 3;
constexpr int maxEditorSections = 9;

struct UndoRecord {
    int section = 0;
    int row = 0;
    int column = 0;
    int previousCode = emptyCode;
};

// The one cell showing the selected tile under the mouse (section -1: none).
struct HoverCell {
    int section = -1;
    int column = 0;
    int row = 0;
};

struct EditorCanvas {
    std::vector<Section> sections;  // [section][column][row]
    std::vector<UndoRecord> undoStack;  // newest last
    HoverCell hover;
    std::vector<SectionQuads> quads;  // what each section draws, kept in step with its codes
};

// A cell of the canvas, found under a world point.
struct CellHit {
    bool inside = false;  // strictly inside a section's paintable area
    int section = 0;
    int column = 0;
    int row = 0;
};

int lastSectionOf(const EditorCanvas& canvas);
float sectionStart(int section);  // world x of a section's left edge
float editorTotalWidth(const EditorCanvas& canvas);

// Three empty sections.
void resetCanvas(EditorCanvas& canvas);
// Replaces every section (an opened level); the history is cleared.
void replaceSections(EditorCanvas& canvas, std::vector<Section> sections);
CellHit cellAt(const EditorCanvas& canvas, sf::Vector2f world);

// Sets a cell's code, recording the old one; false when it held that code already.
bool paintCell(EditorCanvas& canvas, const CellHit& cell, int code);
// Puts back the newest record that still names a cell of the canvas.
bool undo(EditorCanvas& canvas);
// Moves the hover preview to `cell`, clearing only the cell it was on.
void setHover(EditorCanvas& canvas, const CellHit& cell);

// Two empty sections, one in front and one at the end (while fewer than 9).
bool addSections(EditorCanvas& canvas);
// Drops the first and the last section (while more than 3).
bool removeSections(EditorCanvas& canvas);
