#pragma once

#include "level/TileMap.h"

#include <string>
#include <string_view>
#include <vector>

// The text of the level and section files the editor writes, and the checks
// it makes before trusting such files (opening a level, picking one to play).

constexpr int editorColumns = classicColumns;  // tile columns of an edited section
constexpr int editorCellCount = editorColumns * sectionRows;
constexpr int highestTileCode = 19;           // the palette offers 0..19
constexpr std::size_t maxLevelFileBytes = 64 * 1024;
constexpr std::size_t maxSectionFileBytes = 256 * 1024;

// A section file: 20 lines of 60 codes, each code followed by one space.
std::string sectionFileText(const Section& section);
// The level file of the custom level N with lastSection + 1 sections.
std::string levelFileText(const std::string& name, int lastSection);

// A section file read back: 60 columns of 20 codes, or the reason it was refused.
struct SectionRead {
    Section codes;
    std::string problem;  // "" when the file is sound
};
// `label` names the file in the reason ("Map1.txt").
SectionRead parseSectionFile(std::string_view bytes, const std::string& label);

// The head of a level file: its first value and the section paths it names.
struct LevelHeader {
    int lastSection = 0;
    std::vector<std::string> sectionPaths;  // at most maxSections
    std::string problem;                    // "" when the first value is a whole number
};
LevelHeader parseLevelHeader(std::string_view bytes, const std::string& label);

// Why a level with this header is neither opened nor played ("" when it may
// be): its first value is no whole number, or the sections it counts are not
// 3, 5, 7 or 9. The editor's Open and the list screen both ask this.
std::string levelHeaderProblem(const LevelHeader& header, const std::string& label);

// Why the level at `path` cannot be played ("" when it can): its file is
// missing or unreadable, or it has fewer than 3 sections, or a section file
// it names is missing. `shownName` names the level in the reason.
std::string playableLevelProblem(const std::string& path, const std::string& shownName);
