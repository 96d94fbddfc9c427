#include "assets/LevelFiles.h"
#include "level/TileMap.h"
#include "support/Headless.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// The shipped levels: the layout the editor writes, and a floor wherever the
// game drops a fighter, a flag, the goal or a door.

namespace {

constexpr float classicSectionWidth = 3840.f;
constexpr float caaSectionWidth = 1920.f;
constexpr float startOffset = 750.f;  // fighters start this far either side of the middle section's centre

std::vector<SectionFile> readSections(const LevelFile& level, int columns)
{
    std::vector<SectionFile> sections;
    for (const std::string& path : level.sectionPaths) {
        sections.push_back(readSectionFile(runFile(path), columns));
        EXPECT_TRUE(sections.back().ok) << path << ": " << sections.back().error;
    }
    return sections;
}

int columnOf(float x, float sectionLeft)
{
    return static_cast<int>((x - sectionLeft) / tileSize);
}

}  // namespace

TEST(LevelData, JungleIsWrittenAsTheEditorWouldWithFloorsWhereThingsDrop)
{
    const LevelFile level = readLevelFile(runFile("Assets/Map/Officiel/Jungle/Jungle.txt"));
    ASSERT_TRUE(level.ok) << level.error;
    ASSERT_EQ(level.lastSection, 4);
    // Each flag stands one tile in from its end of the level.
    EXPECT_FLOAT_EQ(level.flag0X, (level.lastSection + 1) * classicSectionWidth - 64.f);
    EXPECT_FLOAT_EQ(level.flag1X, 64.f);
    ASSERT_EQ(level.sectionPaths.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(level.sectionPaths[i], "Assets/Map/Officiel/Jungle/Map" + std::to_string(i) + ".txt");
    const std::vector<SectionFile> sections = readSections(level, 60);
    for (std::size_t i = 0; i < sections.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(sections[i].grid, sections[j].grid) << "sections " << i << " and " << j << " are the same";

    // Floors under both starts and the goal in the middle section, and under each flag.
    const int middle = level.lastSection / 2;
    const float left = middle * classicSectionWidth;
    const float centre = left + classicSectionWidth * 0.5f;
    for (float x : {centre - startOffset, centre + startOffset, centre})
        EXPECT_GE(floorRowFromTop(sections[middle], columnOf(x, left)), 0) << "no floor at x " << x;
    EXPECT_GE(floorRowFromTop(sections[4], columnOf(level.flag0X, 4 * classicSectionWidth)), 0);
    EXPECT_GE(floorRowFromTop(sections[0], columnOf(level.flag1X, 0.f)), 0);

    // A fighter crossing into the next section arrives at the same height.
    for (std::size_t i = 0; i < sections.size(); ++i) {
        EXPECT_GE(floorRowFromTop(sections[i], 0), 0) << "section " << i;
        EXPECT_GE(floorRowFromTop(sections[i], 59), 0) << "section " << i;
        if (i + 1 < sections.size()) {
            EXPECT_EQ(floorRowFromTop(sections[i], 59), floorRowFromTop(sections[i + 1], 0)) << i << "|" << i + 1;
        }
    }

    // The kill-race arena: one section of 30 columns, floors under both starts.
    const LevelFile caa = readLevelFile(runFile("Assets/Map/Officiel/caa/caa.txt"));
    ASSERT_TRUE(caa.ok) << caa.error;
    EXPECT_EQ(caa.lastSection, 0);
    const std::vector<SectionFile> arena = readSections(caa, 30);
    ASSERT_EQ(arena.size(), 1u);
    for (float x : {caaSectionWidth * 0.5f - startOffset, caaSectionWidth * 0.5f + startOffset})
        EXPECT_GE(floorRowFromTop(arena[0], columnOf(x, 0.f)), 0) << "no floor at x " << x;
}

TEST(LevelData, HubFloorUnderTheStartColumnsAndEveryDoor)
{
    const SectionFile hub = readSectionFile(runFile("Assets/Map/Menu/MainMenuMap.txt"), 60);
    ASSERT_TRUE(hub.ok) << hub.error;
    for (int column : {400 / tileSize, 450 / tileSize})
        EXPECT_GE(floorRowFromTop(hub, column), 0) << "column " << column;

    struct Door {
        const char* picture;
        int x;
    };
    const Door doors[] = {{"PlayDoor", 128},   {"EditorDoor", 1648}, {"CreditsDoor", 2496}, {"QuitDoor", 3328},
                          {"BackDoor", 576},   {"ClassicDoor", 1536}, {"Door", 1984},       {"BackDoor", 128},
                          {"JungleDoor", 1968}, {"CustomDoor", 2944}};
    const int doorTop = 512;
    for (const Door& door : doors) {
        sf::Image picture;
        ASSERT_TRUE(picture.loadFromFile(runFile(std::string("Assets/Sprites/Menu/") + door.picture + ".png")));
        const int bottom = doorTop + static_cast<int>(picture.getSize().y);
        for (int x = door.x; x < door.x + static_cast<int>(picture.getSize().x); x += tileSize / 2)
            EXPECT_EQ(floorRowFromTop(hub, x / tileSize) * tileSize, bottom)
                << door.picture << " at x " << x << " does not stand on the floor";
    }
}

TEST(LevelData, TheGameLoadsTheJungleAsShipped)
{
    HeadlessGame headless;
    const TileMap& map = headless.game->tileMap;
    const LevelFile level = readLevelFile(runFile("Assets/Map/Officiel/Jungle/Jungle.txt"));
    const std::vector<SectionFile> sections = readSections(level, 60);
    ASSERT_EQ(sectionCount(map), 5);
    ASSERT_EQ(sections.size(), 5u);
    EXPECT_EQ(map.lastSection, level.lastSection);
    EXPECT_FLOAT_EQ(map.flag0X, level.flag0X);
    EXPECT_FLOAT_EQ(map.flag1X, level.flag1X);
    for (int s = 0; s < 5; ++s)
        for (int column = 0; column < 60; ++column)
            for (int row = 0; row < sectionRows; ++row)
                ASSERT_EQ(tileCode(map, s, column, row), sections[s].at(column, row)) << s << " " << column << " " << row;
}

TEST(LevelData, PoolsAreWalledAndFlooredAndSpikesStandOnGround)
{
    // Water is drawn one cell wider on each side of its run and under the
    // ground tiles, so a pool needs ground on both sides and below, or the
    // widened water would hang in the air.
    std::vector<std::pair<std::string, SectionFile>> all;
    for (int i = 0; i < 5; ++i) {
        const std::string path = "Assets/Map/Officiel/Jungle/Map" + std::to_string(i) + ".txt";
        all.emplace_back(path, readSectionFile(runFile(path), 60));
    }
    all.emplace_back("caa", readSectionFile(runFile("Assets/Map/Officiel/caa/Map0.txt"), 30));
    all.emplace_back("hub", readSectionFile(runFile("Assets/Map/Menu/MainMenuMap.txt"), 60));
    for (const auto& [name, section] : all) {
        ASSERT_TRUE(section.ok) << name << ": " << section.error;
        for (int column = 0; column < section.columns(); ++column)
            for (int row = 0; row < sectionRows; ++row) {
                const int code = section.at(column, row);
                const int below = section.at(column, row + 1);
                if (code == waterCode) {
                    EXPECT_TRUE(isSolid(below) || below == waterCode) << name << " water at " << column << "," << row;
                    for (int side : {column - 1, column + 1}) {
                        EXPECT_TRUE(isSolid(section.at(side, row)) || section.at(side, row) == waterCode)
                            << name << " water at " << column << "," << row << " spills at column " << side;
                    }
                }
                if (code == spikeCode) {
                    EXPECT_TRUE(isSolid(below)) << name << " spikes at " << column << "," << row << " float";
                }
            }
    }
}
