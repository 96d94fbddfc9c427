#include "assets/LevelFiles.h"
#include "assets/Reachability.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every section can be crossed both ways by the slowest, heaviest fighter,
// and the places a match needs (starts, goal, flag bases, doors) are on the way.

namespace {

// Every column in `columns` can be reached from the first one, and the
// first one from every other: together, any of them leads to any other.
void expectConnected(const SectionFile& section, const std::vector<int>& columns, const std::string& what)
{
    ASSERT_TRUE(section.ok) << what << ": " << section.error;
    std::vector<Stand> stands;
    for (int column : columns) {
        stands.push_back(standOnFloor(section, column));
        ASSERT_GE(stands.back().second, 0) << what << ": no floor at column " << column;
    }
    const std::set<Stand> fromFirst = reachableFrom(section, stands.front());
    for (std::size_t i = 1; i < stands.size(); ++i) {
        EXPECT_TRUE(fromFirst.count(stands[i])) << what << ": cannot get from column " << columns.front()
                                                << " to column " << columns[i];
        EXPECT_TRUE(reachableFrom(section, stands[i]).count(stands.front()))
            << what << ": cannot get back from column " << columns[i] << " to column " << columns.front();
    }
}

int columnAt(float x) { return static_cast<int>(x / tileSize); }

}  // namespace

TEST(LevelReach, JungleSectionsCrossBothWaysPastStartsGoalAndFlagBases)
{
    for (int index = 0; index < 5; ++index) {
        std::vector<int> columns = {0, 59};
        if (index == 0)
            columns.push_back(1);  // P2's flag base
        if (index == 2)            // both starts and the goal
            columns.insert(columns.end(), {columnAt(1920.f - 750.f), columnAt(1920.f + 750.f), columnAt(1920.f)});
        const std::string path = "Assets/Map/Officiel/Jungle/Map" + std::to_string(index) + ".txt";
        expectConnected(readSectionFile(runFile(path), 60), columns, path);
    }
}

TEST(LevelReach, ArenaStartsAndHubDoorsAreWithinReach)
{
    expectConnected(readSectionFile(runFile("Assets/Map/Officiel/caa/Map0.txt"), 30),
                    {columnAt(960.f - 750.f), columnAt(960.f + 750.f)}, "caa starts");
    const SectionFile hub = readSectionFile(runFile("Assets/Map/Menu/MainMenuMap.txt"), 60);
    ASSERT_TRUE(hub.ok) << hub.error;
    const std::set<Stand> reach = reachableFrom(hub, standOnFloor(hub, 6));
    for (int x : {128, 576, 1536, 1648, 1968, 1984, 2496, 2944, 3328})
        EXPECT_TRUE(reach.count(standOnFloor(hub, (x + 128) / tileSize))) << "door at " << x;
}
