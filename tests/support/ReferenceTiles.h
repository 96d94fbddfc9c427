#pragma once

#include "level/TileMap.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <cstdlib>

// The tiles drawn the plain way, one sprite draw per cell, for comparing the
// batched renderer's pixels and speed. Water neighbours beyond a section's
// edge follow the same rule as the game: the adjoining section's edge column.
inline bool referenceWaterAt(const TileMap& map, int section, int column, int row)
{
    if (column < 0)
        return tileCode(map, section - 1, map.columns - 1, row) == waterCode;
    if (column >= map.columns)
        return tileCode(map, section + 1, 0, row) == waterCode;
    return tileCode(map, section, column, row) == waterCode;
}

inline void drawTilesOneByOne(const TileMap& map, const sf::Sprite& tileset, sf::RenderTarget& tileLayer,
                              sf::RenderTarget& waterLayer)
{
    sf::Sprite sprite = tileset;
    const int last = std::min(map.lastSection, sectionCount(map) - 1);
    for (int s = 0; s <= last; ++s) {
        if (s < map.sectionIndex - 1 || s > map.sectionIndex + 1)
            continue;
        for (int row = 0; row < sectionRows; ++row) {
            for (int column = 0; column < map.columns; ++column) {
                const int code = tileCode(map, s, column, row);
                const float x = sectionLeft(map, s) + 64.f * static_cast<float>(column);
                const float y = 64.f * static_cast<float>(row);
                sprite.setRotation(0.f);
                sprite.setTextureRect(sf::IntRect(64 * (code % 8), 64 * (code / 8), 64, 64));
                if (code == waterCode) {
                    if (!referenceWaterAt(map, s, column - 1, row)) {
                        sprite.setPosition(x - 64.f, y + 5.f);
                        waterLayer.draw(sprite);
                    }
                    sprite.setPosition(x, y + 5.f);
                    waterLayer.draw(sprite);
                    if (!referenceWaterAt(map, s, column + 1, row)) {
                        sprite.setPosition(x + 64.f, y + 5.f);
                        waterLayer.draw(sprite);
                    }
                } else if (code != emptyCode) {
                    sprite.setPosition(x, y);
                    tileLayer.draw(sprite);
                }
            }
        }
    }
}

// A tileset picture whose 24 cells each have their own colour and a lighter
// corner, so a misplaced or mis-cut cell shows.
inline sf::Image makeTestTileset()
{
    sf::Image image;
    image.create(512, 192, sf::Color::Transparent);
    for (int cell = 0; cell < 24; ++cell) {
        const sf::Color colour(static_cast<sf::Uint8>(40 + 9 * cell), static_cast<sf::Uint8>(250 - 8 * cell),
                               static_cast<sf::Uint8>((cell * 53) % 256), cell == waterCode ? 160 : 255);
        for (unsigned y = 0; y < 64; ++y)
            for (unsigned x = 0; x < 64; ++x) {
                const bool corner = x < 8 && y < 8;
                image.setPixel(static_cast<unsigned>(64 * (cell % 8)) + x, static_cast<unsigned>(64 * (cell / 8)) + y,
                               corner ? sf::Color::White : colour);
            }
    }
    return image;
}

// A level of `sections` sections of random codes (empty, ground, water runs, spikes).
inline void fillRandomLevel(TileMap& map, int sections, int columns)
{
    map.columns = columns;
    TileColumn empty;
    empty.fill(emptyCode);
    map.grid.assign(static_cast<std::size_t>(sections), Section(static_cast<std::size_t>(columns), empty));
    for (Section& section : map.grid)
        for (TileColumn& column : section)
            for (int& code : column) {
                const int roll = std::rand() % 10;
                code = roll < 4 ? emptyCode : roll < 6 ? waterCode : roll < 7 ? spikeCode : std::rand() % 20;
            }
    map.lastSection = sections - 1;
}
