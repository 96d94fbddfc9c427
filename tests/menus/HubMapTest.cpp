#include "app/Game.h"
#include "menus/MenuRooms.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(HubMap, MissingShortOrGarbledFilesLeaveZeroesWhereNothingWasRead)
{
    enterEmptyFolder();
    MainHub missing;
    testing::internal::CaptureStdout();
    loadHubMap(missing, "Assets/Map/Menu/MainMenuMap.txt");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error loading map\n");
    EXPECT_EQ(missing.grid[0][0], 0);
    EXPECT_EQ(missing.grid[59][19], 0);
    EXPECT_LT(hubFloorY(missing, 400.f), 0.f);  // no empty cell anywhere: nowhere to stand

    // Row by row, found whatever the letter case of its name.
    std::string text;
    for (int column = 0; column < 60; ++column)
        text += column == 6 ? "5 " : "-1 ";
    writeTestFile("Assets/Map/Menu/mainmenumap.txt", text + "\n-1 -1 x 7 7");
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
    MainHub hub;
    for (auto& column : hub.grid)
        column.fill(-1);
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
}

TEST(HubMap, AMapWithNoFloorOrOnlySpikesSaysSoAndGivesWayToTheBuiltInLayout)
{
    enterEmptyFolder();
    for (int code : {-1, 10}) {
        std::string text;
        for (int row = 0; row < 20; ++row) {
            for (int column = 0; column < 60; ++column)
                text += row < 10 && code == 10 ? "-1 " : std::to_string(code) + " ";
            text += "\n";
        }
        writeTestFile("Assets/Map/Menu/MainMenuMap.txt", text);
        MainHub hub;
        testing::internal::CaptureStderr();
        loadHubMap(hub, "Assets/Map/Menu/MainMenuMap.txt");
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("Assets/Map/Menu/MainMenuMap.txt: has no floor to stand on"), std::string::npos) << said;
        EXPECT_NE(said.find("the built-in hub layout is used"), std::string::npos);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
        // Every door of the three rooms can be stood in front of again.
        for (float x : {128.f + 128.f, 1648.f + 128.f, 2944.f + 128.f, 3328.f + 128.f})
            EXPECT_FLOAT_EQ(hubFloorY(hub, x), 11 * 64.f) << x;
    }
}
