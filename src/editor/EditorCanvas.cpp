#include "editor/EditorCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

Section emptySection()
{
    TileColumn column;
    column.fill(emptyCode);
    return Section(static_cast<std::size_t>(classicColumns), column);
}

int& codeAt(EditorCanvas& canvas, int section, int column, int row)
{
    return canvas.sections[static_cast<std::size_t>(section)][static_cast<std::size_t>(column)]
                          [static_cast<std::size_t>(row)];
}

bool holdsCell(const EditorCanvas& canvas, int section, int column, int row)
{
    return section >= 0 && section < static_cast<int>(canvas.sections.size()) && column >= 0 &&
           column < static_cast<int>(canvas.sections[static_cast<std::size_t>(section)].size()) && row >= 0 &&
           row < sectionRows;
}

void setCode(EditorCanvas& canvas, int section, int column, int row, int code)
{
    codeAt(canvas, section, column, row) = code;
    canvas.quads[static_cast<std::size_t>(section)] = buildSectionQuads(canvas.sections[static_cast<std::size_t>(section)]);
}

void rebuildQuads(EditorCanvas& canvas)
{
    canvas.quads.clear();
    for (const Section& section : canvas.sections)
        canvas.quads.push_back(buildSectionQuads(section));
}

}  // namespace

int lastSectionOf(const EditorCanvas& canvas)
{
    return static_cast<int>(canvas.sections.size()) - 1;
}

float sectionStart(int section)
{
    return static_cast<float>(section) * (editorSectionWidth + sectionGap);
}

float editorTotalWidth(const EditorCanvas& canvas)
{
    const int last = lastSectionOf(canvas);
    return static_cast<float>(last + 1) * editorSectionWidth + static_cast<float>(last) * sectionGap;
}

void resetCanvas(EditorCanvas& canvas)
{
    replaceSections(canvas, std::vector<Section>(static_cast<std::size_t>(minEditorSections), emptySection()));
}

void replaceSections(EditorCanvas& canvas, std::vector<Section> sections)
{
    canvas.sections = std::move(sections);
    canvas.undoStack.clear();
    canvas.hover = HoverCell{};
    rebuildQuads(canvas);
}

CellHit cellAt(const EditorCanvas& canvas, sf::Vector2f world)
{
    CellHit hit;
    if (!(world.y > 0.f && world.y < editorSectionHeight) || !(world.x > 0.f))
        return hit;
    const float stride = editorSectionWidth + sectionGap;
    const float index = std::floor(world.x / stride);
    if (index > static_cast<float>(lastSectionOf(canvas)))
        return hit;
    const int section = static_cast<int>(index);
    const float local = world.x - sectionStart(section);
    if (!(local > 0.f && local < editorSectionWidth))
        return hit;
    hit.section = section;
    hit.column = std::min(static_cast<int>(local / tileSize), classicColumns - 1);
    hit.row = std::min(static_cast<int>(world.y / tileSize), sectionRows - 1);
    hit.inside = holdsCell(canvas, hit.section, hit.column, hit.row);
    return hit;
}

bool paintCell(EditorCanvas& canvas, const CellHit& cell, int code)
{
    if (!cell.inside || !holdsCell(canvas, cell.section, cell.column, cell.row))
        return false;
    const int previous = codeAt(canvas, cell.section, cell.column, cell.row);
    if (previous == code)
        return false;
    canvas.undoStack.push_back(UndoRecord{cell.section, cell.row, cell.column, previous});
    setCode(canvas, cell.section, cell.column, cell.row, code);
    return true;
}

bool undo(EditorCanvas& canvas)
{
    while (!canvas.undoStack.empty()) {
        const UndoRecord record = canvas.undoStack.back();
        canvas.undoStack.pop_back();
        if (holdsCell(canvas, record.section, record.column, record.row)) {
            setCode(canvas, record.section, record.column, record.row, record.previousCode);
            return true;
        }
    }
    return false;
}

void setHover(EditorCanvas& canvas, const CellHit& cell)
{
    if (!cell.inside)
        return;
    canvas.hover = HoverCell{cell.section, cell.column, cell.row};
}

bool addSections(EditorCanvas& canvas)
{
    if (static_cast<int>(canvas.sections.size()) + 2 > maxEditorSections)
        return false;
    canvas.sections.insert(canvas.sections.begin(), emptySection());
    canvas.sections.push_back(emptySection());
    canvas.quads.insert(canvas.quads.begin(), buildSectionQuads(canvas.sections.front()));
    canvas.quads.push_back(buildSectionQuads(canvas.sections.back()));
    // Every older record now names the section one further on.
    for (UndoRecord& record : canvas.undoStack)
        ++record.section;
    canvas.hover = HoverCell{};
    return true;
}

bool removeSections(EditorCanvas& canvas)
{
    if (static_cast<int>(canvas.sections.size()) - 2 < minEditorSections)
        return false;
    const int oldLast = lastSectionOf(canvas);
    canvas.sections.erase(canvas.sections.begin());
    canvas.sections.pop_back();
    canvas.quads.erase(canvas.quads.begin());
    canvas.quads.pop_back();
    // Records of the two removed sections go; the others move one section down.
    std::vector<UndoRecord> kept;
    for (UndoRecord record : canvas.undoStack) {
        if (record.section <= 0 || record.section >= oldLast)
            continue;
        --record.section;
        kept.push_back(record);
    }
    canvas.undoStack = std::move(kept);
    canvas.hover = HoverCell{};
    return true;
}
