#pragma once

#include "match/Hazards.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <memory>
#include <string>
#include <vector>

// Tile geometry and codes.
constexpr int tileSize = 64;           // px, square tiles
constexpr int sectionRows = 20;        // rows per section (1280 px)
constexpr int classicColumns = 60;     // columns of the classic and custom levels
constexpr int caaColumns = 30;         // columns of the kill-race level
constexpr int maxSections = 256;       // a level naming more section files keeps the first ones
constexpr int emptyCode = -1;
constexpr int waterCode = 9;
constexpr int spikeCode = 10;

using TileColumn = std::array<int, sectionRows>;
using Section = std::vector<TileColumn>;  // [column][row]

// Where the solid tiles of the live section lie, by 64 px cell, so that the
// tile collision can visit only the tiles near a box. Rebuilt with the list.
struct SolidTileIndex {
    std::size_t tileCount = 0;  // size of the list it was built from; a mismatch disables it
    int firstColumn = 0, firstRow = 0, columns = 0, rows = 0;
    std::vector<std::vector<int>> cells;  // [row * columns + column] -> tile numbers, ascending
};

// The loaded level: every section's codes, plus the collision list and the
// hazards of the live section.
struct TileMap {
    std::vector<sf::Vector2f> solidTiles;  // top-left corners of the live section's ground tiles
    std::vector<std::unique_ptr<Trap>> hazards;
    float flag0X = 0.f;
    float flag1X = 0.f;
    sf::Sprite* tileSprite = nullptr;
    int sectionIndex = 0;  // the section `solidTiles` and `hazards` were built for (the world says which is live)
    int lastSection = 0;
    int columns = classicColumns;
    std::vector<Section> grid;  // [section][column][row]
    std::vector<std::string> sectionFiles;
    std::string levelPath;  // the level file loaded last, as it was asked for
    SolidTileIndex solidIndex;
};

// Reads a level file and every section file it names. `lastSection` is kept
// within the sections that were read, so nothing indexes a missing section.
void loadLevel(TileMap& map, const std::string& path);
// Reads one section file into section `section` of the grid; empties `solidTiles`.
void loadSection(TileMap& map, const std::string& path, int section);
// Appends the live section's ground tiles to `solidTiles`; replaces `hazards`
// with one hazard per water and spike cell of the live section.
void buildCollision(TileMap& map);

// Fills `codes` with `columns` columns of 20 codes from a section file, by
// the rules of `parseSectionFile`; problems go to standard error. Prints
// "Error loading map" when the file cannot be read (all codes 0 then); an
// empty path (one the level file may not name) gives all 0 silently. Also
// reads the hub's room grid.
bool readSectionCodes(const std::string& path, int columns, Section& codes);

// Number of sections the grid holds.
int sectionCount(const TileMap& map);
// The code at a cell, or -1 (no tile) outside the grid.
int tileCode(const TileMap& map, int section, int column, int row);
// World x of the left edge of a section.
float sectionLeft(const TileMap& map, int section);
// Re-indexes `solidTiles` after it was filled by hand.
void indexSolidTiles(TileMap& map);

