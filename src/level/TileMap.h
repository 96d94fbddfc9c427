#pragma once

#include "level/HeldLevel.h"
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

// Where the solid tiles of a section lie, by 64 px cell, so that the tile
// collision can visit only the tiles near a box. Rebuilt with the list.
struct SolidTileIndex {
    std::size_t tileCount = 0;  // size of the list it was built from; a mismatch disables it
    int firstColumn = 0, firstRow = 0, columns = 0, rows = 0;
    std::vector<std::vector<int>> cells;  // [row * columns + column] -> tile numbers, ascending
};

// The ground and hazards of one section, built once when its codes are read,
// so that a fight changing section reads them and never writes them.
struct SectionCollision {
    std::vector<sf::Vector2f> solidTiles;  // top-left corners of the ground tiles, row by row
    std::vector<std::unique_ptr<Trap>> hazards;
    SolidTileIndex solidIndex;
};

// The loaded level: every section's codes and collision. Which section is
// live is the world's to say, never the map's.
struct TileMap {
    std::vector<SectionCollision> collision;  // [section]; the rooms build [0] by hand
    float flag0X = 0.f;
    float flag1X = 0.f;
    int sectionIndex = 0;  // the section the tiles are drawn around, set from the world before drawing; no rule reads it
    int lastSection = 0;
    int columns = classicColumns;
    std::vector<Section> grid;  // [section][column][row]
    std::vector<std::string> sectionFiles;
    std::string levelPath;  // the level file loaded last, as it was asked for
};

// Reads a level file and every section file it names, and builds every
// section's collision. `lastSection` is kept within the sections that were
// read, so nothing indexes a missing section. With `held`, the files are
// read from memory (a level that came over the network), never from disk.
void loadLevel(TileMap& map, const std::string& path, const HeldLevel* held = nullptr);
// Reads one section file into section `section` of the grid and rebuilds that section's collision.
void loadSection(TileMap& map, const std::string& path, int section);
// Rebuilds the collision of every section from the grid: the ground tiles,
// and one hazard per water and spike cell.
void buildCollision(TileMap& map);
// The collision of `section`; an empty one outside the grid.
const SectionCollision& collisionOf(const TileMap& map, int section);

// Fills `codes` with `columns` columns of 20 codes from a section file, by
// the rules of `parseSectionFile`; problems go to standard error. Prints
// "Error loading map" when the file cannot be read (all codes 0 then); an
// empty path (one the level file may not name) gives all 0 silently. Also
// reads the hub's room grid.
bool readSectionCodes(const std::string& path, int columns, Section& codes, const HeldLevel* held = nullptr);

// Number of sections the grid holds.
int sectionCount(const TileMap& map);
// The code at a cell, or -1 (no tile) outside the grid.
int tileCode(const TileMap& map, int section, int column, int row);
// World x of the left edge of a section.
float sectionLeft(const TileMap& map, int section);
// Re-indexes `solidTiles` after it was filled by hand.
void indexSolidTiles(SectionCollision& collision);

