#include "level/CustomLevelList.h"
#include "level/TileMap.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A level file naming `paths` with `lastSection` as its first value.
std::string levelText(int lastSection, const std::vector<std::string>& paths)
{
    std::ostringstream out;
    out << lastSection << "\n" << (static_cast<long long>(lastSection) + 1) * 3840 - 64 << ".000000\n64\n";
    for (const std::string& path : paths)
        out << path << "\n";
    return out.str();
}

std::vector<std::string> writeSections(const std::string& folder, int count, int columns, int code)
{
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back(folder + "/Map" + std::to_string(i) + ".txt");
        writeTestFile(paths.back(), uniformSection(columns, code));
    }
    return paths;
}

std::string captured(const std::function<void()>& action)
{
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(LevelLoading, FiveSectionsGiveMiddleTwoAndFlagPositions)
{
    enterEmptyFolder();
    writeTestFile("Assets/Map/Custom/Five/Five.txt", levelText(4, writeSections("Assets/Map/Custom/Five", 5, 60, 0)));
    TileMap map;
    loadLevel(map, "assets/map/custom/five/five.txt");  // reached letter case aside
    ASSERT_EQ(sectionCount(map), 5);
    EXPECT_EQ(map.lastSection, 4);
    EXPECT_FLOAT_EQ(map.flag0X, 5 * 3840 - 64);
    EXPECT_FLOAT_EQ(map.flag1X, 64);
    EXPECT_EQ(map.sectionFiles.size(), 5u);
    ASSERT_EQ(map.collision.size(), 5u);  // loading builds every section's collision, ground everywhere
    EXPECT_EQ(collisionOf(map, 4).solidTiles.back(), sf::Vector2f(4 * 3840.f + 59 * 64.f, 19 * 64.f));
    for (const Section& section : map.grid) {
        ASSERT_EQ(section.size(), 60u);
        EXPECT_EQ(section[59][19], 0);
    }
}

TEST(LevelLoading, CollisionListsGroundAndMakesOneHazardPerWaterOrSpikeCell)
{
    enterEmptyFolder();
    writeTestFile("Empty.txt", uniformSection(60, -1));
    TileMap map;
    map.grid.assign(1, Section());
    readSectionCodes("Empty.txt", 60, map.grid[0]);
    buildCollision(map);
    EXPECT_TRUE(collisionOf(map, 0).solidTiles.empty());
    EXPECT_TRUE(collisionOf(map, 0).hazards.empty());

    // Three water cells side by side, one spike, two ground tiles, in section 1.
    map.grid.assign(2, map.grid[0]);
    for (int column : {10, 11, 12})
        map.grid[1][static_cast<std::size_t>(column)][15] = waterCode;
    map.grid[1][20][15] = spikeCode;
    map.grid[1][5][19] = 3;
    map.grid[1][4][2] = 17;
    buildCollision(map);
    EXPECT_TRUE(collisionOf(map, 0).hazards.empty());  // each section keeps its own
    const SectionCollision& ground = collisionOf(map, 1);
    ASSERT_EQ(ground.solidTiles.size(), 2u);
    EXPECT_EQ(ground.solidTiles[0], sf::Vector2f(3840.f + 4 * 64.f, 2 * 64.f));  // row-major, top row first
    EXPECT_EQ(ground.solidTiles[1], sf::Vector2f(3840.f + 5 * 64.f, 19 * 64.f));
    ASSERT_EQ(ground.hazards.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(dynamic_cast<Slow*>(ground.hazards[static_cast<std::size_t>(i)].get()), nullptr);
        EXPECT_EQ(ground.hazards[static_cast<std::size_t>(i)]->position, sf::Vector2f(3840.f + (10 + i) * 64.f, 960.f));
    }
    EXPECT_NE(dynamic_cast<Spike*>(ground.hazards[3].get()), nullptr);
    EXPECT_EQ(ground.hazards[3]->size, sf::Vector2f(60.f, 99.f));
    EXPECT_TRUE(collisionOf(map, 2).solidTiles.empty());  // past the grid: nothing
}

TEST(LevelLoading, MissingSectionFileIsSolidGroundWithOneMessage)
{
    enterEmptyFolder();
    std::vector<std::string> paths = writeSections("L", 3, 60, -1);
    paths[1] = "L/Gone.txt";
    writeTestFile("L/L.txt", levelText(2, paths));
    TileMap map;
    const std::string out = captured([&] { loadLevel(map, "L/L.txt"); });
    EXPECT_EQ(out, "Error loading map\n");
    ASSERT_EQ(sectionCount(map), 3);
    for (const TileColumn& column : map.grid[1])
        for (int code : column)
            EXPECT_EQ(code, 0);
    EXPECT_EQ(map.grid[0][0][0], -1);
    EXPECT_EQ(map.grid[2][59][19], -1);
}

TEST(LevelLoading, ShortOrGarbledSectionData)
{
    enterEmptyFolder();
    writeTestFile("Short.txt", "-1 5 7 oops 9 9 9");
    Section codes;
    EXPECT_TRUE(readSectionCodes("Short.txt", 60, codes));
    EXPECT_EQ(codes[0][0], -1);
    EXPECT_EQ(codes[1][0], 5);
    EXPECT_EQ(codes[2][0], 7);
    EXPECT_EQ(codes[3][0], 0);  // unread codes stay 0
    EXPECT_EQ(codes[59][19], 0);


    const std::string out = captured([&] { EXPECT_FALSE(readSectionCodes("Missing.txt", 60, codes)); });
    EXPECT_EQ(out, "Error loading map\n");
    EXPECT_EQ(codes.size(), 60u);
}

TEST(LevelLoading, SmallerLevelAfterLargerLeavesNoTrace)
{
    enterEmptyFolder();
    writeTestFile("Big/Big.txt", levelText(4, writeSections("Big", 5, 60, 2)));
    writeTestFile("Small/Small.txt", levelText(1, writeSections("Small", 2, 60, -1)));
    TileMap map;
    loadLevel(map, "Big/Big.txt");
    loadLevel(map, "Small/Small.txt");
    EXPECT_EQ(sectionCount(map), 2);
    EXPECT_EQ(map.sectionFiles.size(), 2u);
    EXPECT_EQ(map.lastSection, 1);
    ASSERT_EQ(map.collision.size(), 2u);  // nothing of the bigger level is left
    EXPECT_TRUE(collisionOf(map, 1).solidTiles.empty());
    EXPECT_TRUE(collisionOf(map, 4).solidTiles.empty());
    for (const Section& section : map.grid)
        for (const TileColumn& column : section)
            for (int code : column)
                EXPECT_EQ(code, -1);
}

TEST(LevelLoading, FirstValueNeverReachesPastTheSectionsRead)
{
    enterEmptyFolder();
    const std::vector<std::string> two = writeSections("T", 2, 60, 1);
    TileMap map;
    for (int stated : {9, -3, 2000000000}) {
        writeTestFile("T/T.txt", levelText(stated, two));
        loadLevel(map, "T/T.txt");
        EXPECT_EQ(sectionCount(map), 2);
        EXPECT_GE(map.lastSection, 0);
        EXPECT_LE(map.lastSection, 1) << "first value " << stated;
    }
    // A missing level file: empty grid, a message, and nothing indexes it.
    const std::string out = captured([&] { loadLevel(map, "T/Nothing.txt"); });
    EXPECT_EQ(out, "load error\n");
    EXPECT_EQ(sectionCount(map), 0);
    EXPECT_EQ(map.lastSection, 0);
    EXPECT_TRUE(map.collision.empty());
    EXPECT_TRUE(collisionOf(map, 0).solidTiles.empty());
    EXPECT_EQ(tileCode(map, 0, 0, 0), emptyCode);
    EXPECT_EQ(tileCode(map, 3, -1, 25), emptyCode);
}
