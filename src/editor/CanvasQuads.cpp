#include "editor/CanvasQuads.h"

namespace {

constexpr int tilesetColumns = 8;  // cells per row of the tileset picture
constexpr int quadColumns = classicColumns;

void setQuad(sf::Vertex* quad, float x, float y, float size, sf::Vector2f uv)
{
    quad[0] = sf::Vertex(sf::Vector2f(x, y), uv);
    quad[1] = sf::Vertex(sf::Vector2f(x, y + size), sf::Vector2f(uv.x, uv.y + tileSize));
    quad[2] = sf::Vertex(sf::Vector2f(x + size, y + size), sf::Vector2f(uv.x + tileSize, uv.y + tileSize));
    quad[3] = sf::Vertex(sf::Vector2f(x + size, y), sf::Vector2f(uv.x + tileSize, uv.y));
}

}  // namespace

sf::Vector2f tilesetCorner(int code)
{
    if (code < 0)
        return sf::Vector2f();
    return sf::Vector2f(static_cast<float>(tileSize * (code % tilesetColumns)),
                        static_cast<float>(tileSize * (code / tilesetColumns)));
}

void updateCellQuads(SectionQuads& quads, int column, int row, int code)
{
    const std::size_t at = static_cast<std::size_t>((row * quadColumns + column) * 4);
    if (column < 0 || column >= quadColumns || row < 0 || row >= sectionRows || at + 4 > quads.tiles.size())
        return;
    const float x = static_cast<float>(column * tileSize), y = static_cast<float>(row * tileSize);
    const bool filled = code != emptyCode;
    setQuad(&quads.empty[at], x, y, filled ? 0.f : static_cast<float>(tileSize), sf::Vector2f());
    setQuad(&quads.tiles[at], x, y, filled ? static_cast<float>(tileSize) : 0.f, tilesetCorner(code));
}

SectionQuads buildSectionQuads(const Section& section)
{
    SectionQuads quads;
    quads.empty.resize(static_cast<std::size_t>(quadColumns * sectionRows * 4));
    quads.tiles.resize(quads.empty.size());
    for (int column = 0; column < quadColumns; ++column) {
        for (int row = 0; row < sectionRows; ++row) {
            const bool inside = column < static_cast<int>(section.size());
            updateCellQuads(quads, column, row,
                            inside ? section[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)]
                                   : emptyCode);
        }
    }
    return quads;
}
