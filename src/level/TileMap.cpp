#include "level/TileMap.h"

#include "level/LevelFile.h"
#include "resources/Loading.h"
#include "resources/TextFile.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace {

const char* const jungleLevelPath = "Assets/Map/Officiel/Jungle/Jungle.txt";
const char* const tilesetPath = "Assets/Sprites/Map/Tileset.png";

float sectionWidthOf(const TileMap& map)
{
    return static_cast<float>(map.columns * tileSize);
}

// The 64 px cell holding coordinate `v` (tiles may in principle lie off the grid).
int cellOf(float v)
{
    return static_cast<int>(std::floor(v / static_cast<float>(tileSize)));
}

// The ground tiles and hazards of one section of the grid, indexed.
void buildSectionCollision(TileMap& map, int s)
{
    SectionCollision built;
    const Section& section = map.grid[static_cast<std::size_t>(s)];
    const float left = sectionLeft(map, s);
    for (int row = 0; row < sectionRows; ++row) {
        for (std::size_t column = 0; column < section.size(); ++column) {
            const int code = section[column][static_cast<std::size_t>(row)];
            const sf::Vector2f at(left + static_cast<float>(tileSize * static_cast<int>(column)),
                                  static_cast<float>(tileSize * row));
            std::unique_ptr<Trap> hazard;
            if (code == spikeCode)
                hazard = std::make_unique<Spike>();
            else if (code == waterCode)
                hazard = std::make_unique<Slow>();
            else if (code != emptyCode)
                built.solidTiles.push_back(at);
            if (hazard) {
                hazard->position = at;
                built.hazards.push_back(std::move(hazard));
            }
        }
    }
    indexSolidTiles(built);
    map.collision[static_cast<std::size_t>(s)] = std::move(built);
}

}  // namespace

bool readSectionCodes(const std::string& path, int columns, Section& codes, const HeldLevel* held)
{
    SectionRecord section;
    bool read = false;
    if (path.empty()) {  // a path the level file may not name: ground everywhere, said by the level
        section = parseSectionFile("", columns);
        section.problems.clear();
    } else {
        read = readSectionFile(path, columns, section, held);
        reportProblems(shownPath(path), section.problems);
    }
    codes = std::move(section.codes);
    return read;
}

void loadSection(TileMap& map, const std::string& path, int section)
{
    if (section < 0 || section >= sectionCount(map))
        return;
    readSectionCodes(path, map.columns, map.grid[static_cast<std::size_t>(section)]);
    map.collision.resize(map.grid.size());
    buildSectionCollision(map, section);
}

void loadLevel(TileMap& map, const std::string& path, const HeldLevel* held)
{
    map.sectionFiles.clear();
    map.levelPath = path;
    LevelRecord level;
    if (readLevelFile(path, map.columns, level, held)) {
        map.lastSection = level.lastSection;
        map.flag0X = level.flag0X;
        map.flag1X = level.flag1X;
        map.sectionFiles = std::move(level.sectionFiles);
    }
    reportProblems(shownPath(path), level.problems);
    map.grid.resize(map.sectionFiles.size());
    for (std::size_t i = 0; i < map.sectionFiles.size(); ++i) {
        // A section file named twice is read once.
        const auto first = std::find(map.sectionFiles.begin(), map.sectionFiles.begin() + static_cast<long>(i),
                                     map.sectionFiles[i]);
        if (first != map.sectionFiles.begin() + static_cast<long>(i) && !first->empty())
            map.grid[i] = map.grid[static_cast<std::size_t>(first - map.sectionFiles.begin())];
        else
            readSectionCodes(map.sectionFiles[i], map.columns, map.grid[i], held);
    }
    buildCollision(map);
    // A first value that disagrees with the section paths (or is negative)
    // must not send the flags, the camera or the drawing to a missing section.
    map.lastSection = std::clamp(map.lastSection, 0, std::max(sectionCount(map) - 1, 0));
}

void buildCollision(TileMap& map)
{
    map.collision.clear();
    map.collision.resize(map.grid.size());
    for (int s = 0; s < sectionCount(map); ++s)
        buildSectionCollision(map, s);
}

const SectionCollision& collisionOf(const TileMap& map, int section)
{
    static const SectionCollision none;
    if (section < 0 || section >= static_cast<int>(map.collision.size()))
        return none;
    return map.collision[static_cast<std::size_t>(section)];
}

void indexSolidTiles(SectionCollision& ground)
{
    SolidTileIndex index;
    index.tileCount = ground.solidTiles.size();
    if (ground.solidTiles.empty()) {
        ground.solidIndex = index;
        return;
    }
    int minColumn = 0, maxColumn = 0, minRow = 0, maxRow = 0;
    bool first = true;
    for (const sf::Vector2f& tile : ground.solidTiles) {
        if (!std::isfinite(tile.x) || !std::isfinite(tile.y) || std::fabs(tile.x) > 1e7f || std::fabs(tile.y) > 1e7f) {
            ground.solidIndex = SolidTileIndex{};  // tiles no grid can hold: the plain scan serves
            ground.solidIndex.tileCount = static_cast<std::size_t>(-1);
            return;
        }
        const int c0 = cellOf(tile.x), r0 = cellOf(tile.y);
        const int c1 = cellOf(tile.x + tileSize), r1 = cellOf(tile.y + tileSize);
        minColumn = first ? c0 : std::min(minColumn, c0);
        maxColumn = first ? c1 : std::max(maxColumn, c1);
        minRow = first ? r0 : std::min(minRow, r0);
        maxRow = first ? r1 : std::max(maxRow, r1);
        first = false;
    }
    index.firstColumn = minColumn;
    index.firstRow = minRow;
    index.columns = maxColumn - minColumn + 1;
    index.rows = maxRow - minRow + 1;
    if (static_cast<long long>(index.columns) * index.rows > 4'000'000) {
        ground.solidIndex = SolidTileIndex{};
        ground.solidIndex.tileCount = static_cast<std::size_t>(-1);
        return;
    }
    index.cells.resize(static_cast<std::size_t>(index.columns * index.rows));
    for (std::size_t i = 0; i < ground.solidTiles.size(); ++i) {
        const sf::Vector2f& tile = ground.solidTiles[i];
        // A tile covers [x, x + 64): every cell it reaches lists it.
        for (int r = cellOf(tile.y); r <= cellOf(tile.y + tileSize - 0.001f); ++r)
            for (int c = cellOf(tile.x); c <= cellOf(tile.x + tileSize - 0.001f); ++c)
                index.cells[static_cast<std::size_t>((r - minRow) * index.columns + (c - minColumn))].push_back(
                    static_cast<int>(i));
    }
    ground.solidIndex = std::move(index);
}

int sectionCount(const TileMap& map)
{
    return static_cast<int>(map.grid.size());
}

int tileCode(const TileMap& map, int section, int column, int row)
{
    if (section < 0 || section >= sectionCount(map) || row < 0 || row >= sectionRows)
        return emptyCode;
    const Section& codes = map.grid[static_cast<std::size_t>(section)];
    if (column < 0 || column >= static_cast<int>(codes.size()))
        return emptyCode;
    return codes[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

float sectionLeft(const TileMap& map, int section)
{
    return static_cast<float>(section) * sectionWidthOf(map);
}

