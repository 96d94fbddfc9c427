#include "assets/LevelFiles.h"
#include "assets/Reachability.h"

#include <gtest/gtest.h>

#include <string>

// Every section can be crossed both ways by the slowest, heaviest fighter,
// and the places a match needs (starts, goal, flag bases) are on the way.

namespace {

// The column, within the middle section, of a point `offset` px from its centre.
int middleColumn(float offset)
{
    return static_cast<int>((3840.f / 2 + offset) / tileSize);
}

SectionFile jungleSection(int index)
{
    return readSectionFile(runFile("Assets/Map/Officiel/Jungle/Map" + std::to_string(index) + ".txt"), 60);
}

void expectRoundTrip(const SectionFile& section, int fromColumn, int toColumn, const std::string& what)
{
    const Stand from = standOnFloor(section, fromColumn), to = standOnFloor(section, toColumn);
    ASSERT_GE(from.second, 0) << what;
    ASSERT_GE(to.second, 0) << what;
    EXPECT_TRUE(reachableFrom(section, from).count(to)) << what << ": cannot get from column " << fromColumn
                                                        << " to column " << toColumn;
    EXPECT_TRUE(reachableFrom(section, to).count(from)) << what << ": cannot get back from column " << toColumn
                                                        << " to column " << fromColumn;
}

}  // namespace

TEST(LevelReach, EverySectionCrossesBothWays)
{
    for (int index = 0; index < 5; ++index) {
        const SectionFile section = jungleSection(index);
        ASSERT_TRUE(section.ok) << section.error;
        expectRoundTrip(section, 0, 59, "section " + std::to_string(index));
    }
}

TEST(LevelReach, StartsGoalAndFlagBasesAreOnTheWay)
{
    const SectionFile middle = jungleSection(2);
    expectRoundTrip(middle, middleColumn(-750.f), 59, "P1's start to the right edge");
    expectRoundTrip(middle, middleColumn(750.f), 0, "P2's start to the left edge");
    expectRoundTrip(middle, middleColumn(0.f), 0, "goal to the left edge");
    expectRoundTrip(middle, middleColumn(0.f), 59, "goal to the right edge");
    expectRoundTrip(jungleSection(0), 1, 59, "P2's flag base");
    expectRoundTrip(jungleSection(4), 59, 0, "P1's flag base");
}

TEST(LevelReach, CaaFightersCanReachEachOther)
{
    const SectionFile arena = readSectionFile(runFile("Assets/Map/Officiel/caa/Map0.txt"), 30);
    ASSERT_TRUE(arena.ok) << arena.error;
    expectRoundTrip(arena, static_cast<int>((960.f - 750.f) / tileSize), static_cast<int>((960.f + 750.f) / tileSize),
                    "caa starts");
}

TEST(LevelReach, HubStartReachesEveryDoorColumn)
{
    const SectionFile hub = readSectionFile(runFile("Assets/Map/Menu/MainMenuMap.txt"), 60);
    ASSERT_TRUE(hub.ok) << hub.error;
    const std::set<Stand> reach = reachableFrom(hub, standOnFloor(hub, 6));
    for (int x : {128, 576, 1536, 1648, 1968, 1984, 2496, 2944, 3328})
        EXPECT_TRUE(reach.count(standOnFloor(hub, (x + 128) / tileSize))) << "door at " << x;
}
