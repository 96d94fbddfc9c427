#include "level/TileRenderer.h"

#include "level/TileMap.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <algorithm>
#include <vector>

namespace {

constexpr float waterDrop = 5.f;   // px: water cells sit this much lower than the grid
constexpr int tilesetColumns = 8;  // cells per row of the tileset picture

struct TileBatch {
    std::vector<sf::Vertex> vertices;  // quads
};

// The tileset cell of a code: column c mod 8, row c div 8 (in float, so
// that no code can overflow the multiplication).
sf::Vector2f cellCorner(int code)
{
    return sf::Vector2f(static_cast<float>(tileSize) * static_cast<float>(code % tilesetColumns),
                        static_cast<float>(tileSize) * static_cast<float>(code / tilesetColumns));
}

void addCell(TileBatch& batch, int code, float x, float y, sf::Color colour)
{
    appendTileQuad(batch.vertices, code, x, y, colour);
}

// Whether the cell beside a water tile is water. Beyond a section's edge the
// adjoining section's edge column counts; beyond the level, nothing does.
bool waterAt(const TileMap& map, int section, int column, int row)
{
    if (column < 0) {
        --section;
        column = static_cast<int>(map.columns) - 1;
    } else if (column >= map.columns) {
        ++section;
        column = 0;
    }
    return tileCode(map, section, column, row) == waterCode;
}

void addSection(const TileMap& map, int s, sf::Color colour, TileBatch& tiles, TileBatch& water)
{
    const float left = sectionLeft(map, s);
    const int columns = static_cast<int>(map.grid[static_cast<std::size_t>(s)].size());
    for (int row = 0; row < sectionRows; ++row) {
        const float y = static_cast<float>(tileSize * row);
        for (int column = 0; column < columns; ++column) {
            const int code = tileCode(map, s, column, row);
            const float x = left + static_cast<float>(tileSize * column);
            if (code == waterCode) {
                if (!waterAt(map, s, column - 1, row))
                    addCell(water, waterCode, x - tileSize, y + waterDrop, colour);
                addCell(water, waterCode, x, y + waterDrop, colour);
                if (!waterAt(map, s, column + 1, row))
                    addCell(water, waterCode, x + tileSize, y + waterDrop, colour);
            } else if (code != emptyCode) {
                addCell(tiles, code, x, y, colour);
            }
        }
    }
}

}  // namespace

void appendTileQuad(std::vector<sf::Vertex>& quads, int code, float x, float y, sf::Color colour)
{
    const float size = static_cast<float>(tileSize);
    const sf::Vector2f uv = cellCorner(code);
    quads.emplace_back(sf::Vector2f(x, y), colour, uv);
    quads.emplace_back(sf::Vector2f(x, y + size), colour, sf::Vector2f(uv.x, uv.y + size));
    quads.emplace_back(sf::Vector2f(x + size, y + size), colour, sf::Vector2f(uv.x + size, uv.y + size));
    quads.emplace_back(sf::Vector2f(x + size, y), colour, sf::Vector2f(uv.x + size, uv.y));
}

namespace {

struct SectionQuads {
    TileBatch tiles, water;
};

// The quads of the live section and its neighbours, and only of sections the grid holds.
void gatherQuads(const TileMap& map, sf::Color colour, SectionQuads& quads)
{
    quads.tiles.vertices.reserve(3u * 1200u * 4u);
    const int first = std::max(map.sectionIndex - 1, 0);
    const int last = std::min({map.sectionIndex + 1, map.lastSection, sectionCount(map) - 1});
    for (int s = first; s <= last; ++s)
        addSection(map, s, colour, quads.tiles, quads.water);
}

void drawBatch(const sf::Sprite& tileset, const TileBatch& batch, sf::RenderTarget& target,
               const sf::Shader* shader = nullptr)
{
    if (batch.vertices.empty())
        return;
    sf::RenderStates states(shader);
    states.texture = tileset.getTexture();
    target.draw(batch.vertices.data(), batch.vertices.size(), sf::Quads, states);
}

}  // namespace

void drawTiles(const TileMap& map, const sf::Sprite& tileset, sf::RenderTarget& tileLayer,
               sf::RenderTarget& waterLayer)
{
    SectionQuads quads;
    gatherQuads(map, tileset.getColor(), quads);
    drawBatch(tileset, quads.tiles, tileLayer);
    drawBatch(tileset, quads.water, waterLayer);
}

void drawGroundTiles(const TileMap& map, const sf::Sprite& tileset, sf::RenderTarget& target,
                     const sf::Shader* shader)
{
    SectionQuads quads;
    gatherQuads(map, tileset.getColor(), quads);
    drawBatch(tileset, quads.tiles, target, shader);
}

sf::FloatRect drawWaterTiles(const TileMap& map, const sf::Sprite& tileset, sf::RenderTarget& target)
{
    SectionQuads quads;
    gatherQuads(map, tileset.getColor(), quads);
    const std::vector<sf::Vertex>& water = quads.water.vertices;
    if (water.empty())
        return sf::FloatRect();
    sf::Vector2f low = water.front().position, high = low;
    for (const sf::Vertex& vertex : water) {
        low.x = std::min(low.x, vertex.position.x);
        low.y = std::min(low.y, vertex.position.y);
        high.x = std::max(high.x, vertex.position.x);
        high.y = std::max(high.y, vertex.position.y);
    }
    drawBatch(tileset, quads.water, target);
    return sf::FloatRect(low, high - low);
}
