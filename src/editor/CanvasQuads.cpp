#include "editor/CanvasQuads.h"

namespace {

constexpr int tilesetColumns = 8;  // cells per row of the tileset picture

void addQuad(std::vector<sf::Vertex>& quads, float x, float y, sf::Vector2f uv)
{
    const float size = static_cast<float>(tileSize);
    quads.emplace_back(sf::Vector2f(x, y), uv);
    quads.emplace_back(sf::Vector2f(x, y + size), sf::Vector2f(uv.x, uv.y + size));
    quads.emplace_back(sf::Vector2f(x + size, y + size), sf::Vector2f(uv.x + size, uv.y + size));
    quads.emplace_back(sf::Vector2f(x + size, y), sf::Vector2f(uv.x + size, uv.y));
}

}  // namespace

sf::Vector2f tilesetCorner(int code)
{
    if (code < 0)
        return sf::Vector2f();
    return sf::Vector2f(static_cast<float>(tileSize * (code % tilesetColumns)),
                        static_cast<float>(tileSize * (code / tilesetColumns)));
}

SectionQuads buildSectionQuads(const Section& section)
{
    SectionQuads quads;
    quads.tiles.reserve(static_cast<std::size_t>(section.size() * sectionRows * 4));
    for (std::size_t column = 0; column < section.size(); ++column) {
        for (int row = 0; row < sectionRows; ++row) {
            const int code = section[column][static_cast<std::size_t>(row)];
            if (code != emptyCode)
                addQuad(quads.tiles, static_cast<float>(tileSize * static_cast<int>(column)),
                        static_cast<float>(tileSize * row), tilesetCorner(code));
        }
    }
    return quads;
}
