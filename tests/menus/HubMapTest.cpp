#include "app/Game.h"
#include "menus/MenuRooms.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

MainHub emptyHub()
{
    MainHub hub;
    for (auto& column : hub.grid)
        column.fill(-1);
    return hub;
}

}  // namespace

TEST(HubMap, MissingFileSaysSoAndLeavesEverythingSolid)
{
    enterEmptyFolder();
    MainHub hub;
    testing::internal::CaptureStdout();
    loadHubMap(hub, "Assets/Map/Menu/MainMenuMap.txt");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error loading map\n");
    EXPECT_EQ(hub.grid[0][0], 0);
    EXPECT_EQ(hub.grid[59][19], 0);
    EXPECT_LT(hubFloorY(hub, 400.f), 0.f);  // no empty cell anywhere: nowhere to stand
}

TEST(HubMap, ReadsRowByRowAndSurvivesAShortOrGarbledFile)
{
    enterEmptyFolder();
    std::filesystem::create_directories("Assets/Map/Menu");
    {
        std::ofstream file("Assets/Map/Menu/mainmenumap.txt");
        for (int column = 0; column < 60; ++column)
            file << (column == 6 ? 5 : -1) << ' ';
        file << "\n-1 -1 x 7 7";
    }
    MainHub hub;
    loadHubMap(hub, "Assets/Map/Menu/MainMenuMap.txt");
    EXPECT_EQ(hub.grid[6][0], 5);
    EXPECT_EQ(hub.grid[7][0], -1);
    EXPECT_EQ(hub.grid[1][1], -1);
    EXPECT_EQ(hub.grid[2][1], 0);  // the garbled value and everything after keep their zero
    EXPECT_EQ(hub.grid[3][1], 0);
}

TEST(HubMap, TheFloorIsTheFirstEmptyCellAboveGround)
{
    MainHub hub = emptyHub();
    hub.grid[6][12] = 3;
    hub.grid[6][13] = 3;
    hub.grid[6][3] = 1;  // a ledge higher up is found first
    EXPECT_FLOAT_EQ(hubFloorY(hub, 6 * 64.f + 10.f), 2 * 64.f);
    hub.grid[6][3] = -1;
    EXPECT_FLOAT_EQ(hubFloorY(hub, 6 * 64.f), 11 * 64.f);
    // No floor in the column, or outside the map: nothing to stand on.
    EXPECT_LT(hubFloorY(hub, 7 * 64.f), 0.f);
    EXPECT_LT(hubFloorY(hub, -1.f), 0.f);
    EXPECT_LT(hubFloorY(hub, 60 * 64.f), 0.f);
    // Ground only in the last row: standing on row 18.
    hub.grid[8][19] = 2;
    EXPECT_FLOAT_EQ(hubFloorY(hub, 8 * 64.f), 18 * 64.f);
}
