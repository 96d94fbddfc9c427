#pragma once

#include "level/HeldLevel.h"
#include "level/TileMap.h"
#include "resources/TextFile.h"

#include <string>
#include <string_view>
#include <vector>

// The codes the tileset draws: -1 (nothing) to 19. Other codes are ground too,
// but no tileset cell shows them; they are read as ground tile 0.
constexpr int lastTileCode = 19;

// A level file as read: the header and the section paths it names.
struct LevelRecord {
    int lastSection = 0;
    float flag0X = 0.f;
    float flag1X = 0.f;
    // One entry per section; a refused path (absolute, "..") is kept as "",
    // and its section is read as ground everywhere, as a missing one is.
    std::vector<std::string> sectionFiles;
    Problems problems;
};

// Reads a level file of `columns`-column sections. A bad header value gets
// what the editor would have written; `lastSection` is kept within the
// sections named; at most `maxSections` paths are kept.
LevelRecord parseLevelFile(std::string_view text, int columns);

// A section file as read: `columns` columns of 20 codes.
struct SectionRecord {
    Section codes;
    Problems problems;
};

// Reads 20 rows of `columns` codes in row-major order, line breaks aside. A
// word that is no number ends the reading (the codes not read stay 0); codes
// the tileset does not draw become 0; too few or too many codes are said.
SectionRecord parseSectionFile(std::string_view text, int columns);

// The files themselves, from disk or, when `held` is given, from memory. One
// that cannot be read prints the game's message ("load error\n", "Error
// loading map\n"); a section is then all 0. False then.
bool readLevelFile(const std::string& path, int columns, LevelRecord& level, const HeldLevel* held = nullptr);
bool readSectionFile(const std::string& path, int columns, SectionRecord& section, const HeldLevel* held = nullptr);
