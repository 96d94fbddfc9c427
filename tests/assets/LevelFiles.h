#pragma once

#include "level/TileMap.h"

#include <string>
#include <vector>

// A strict little reader for the shipped level files, independent of the
// game's own loader: it checks the exact layout the editor writes, so the
// official levels look like the player's own.

// Path of a file in the generated run tree.
std::string runFile(const std::string& relativePath);

struct LevelFile {
    bool ok = false;
    std::string error;
    int lastSection = 0;
    float flag0X = 0.f, flag1X = 0.f;
    std::vector<std::string> sectionPaths;
};

LevelFile readLevelFile(const std::string& path);

// grid[column][row], like the game's sections.
struct SectionFile {
    bool ok = false;
    std::string error;
    std::vector<std::vector<int>> grid;

    int columns() const { return static_cast<int>(grid.size()); }
    int at(int column, int row) const;  // out of range reads as empty
};

// Reads a section file of `columns` x 20 codes and insists on the editor's
// layout: 20 lines, each code followed by one space, codes in -1..19.
SectionFile readSectionFile(const std::string& path, int columns);

bool isSolid(int code);  // ground the fighters stand on (not empty, water or spikes)

// The row of the first solid cell under an empty one, scanning the column
// from the top the way things are dropped onto a floor; -1 when the column
// has none or the scan meets spikes or water first.
int floorRowFromTop(const SectionFile& section, int column);
