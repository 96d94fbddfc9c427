#include "level/CustomLevelList.h"

#include <gtest/gtest.h>

// The list parser on its own: bytes in, entries and problems out.

TEST(CustomLevelListParse, KeepsEveryEntryAndTellsShapedOnesApart)
{
    const CustomLevelList list = parseCustomLevelList(
        "3\r\nAssets/Map/Custom/Cliffs/Cliffs.txt\nAssets/Map/Custom/\nA\nAssets/Map/Custom/a/b.txt\n");
    ASSERT_EQ(list.entries.size(), 4u);
    EXPECT_FALSE(list.damaged);
    EXPECT_EQ(list.entries[0].levelName, "Cliffs");
    EXPECT_EQ(list.entries[1].path, "Assets/Map/Custom/");  // shorter than a level path: kept as it is
    EXPECT_EQ(list.entries[1].levelName, "");
    EXPECT_EQ(list.entries[2].displayName, "A");
    EXPECT_EQ(list.entries[3].levelName, "");
    ASSERT_EQ(list.problems.size(), 1u);
    EXPECT_EQ(list.problems[0], "Custom.txt line 1: the count says 3 but the list holds 4 entries");
}

TEST(CustomLevelListParse, EmptyIsEmptyAndAWrongFirstWordIsDamage)
{
    EXPECT_FALSE(parseCustomLevelList("").damaged);
    EXPECT_FALSE(parseCustomLevelList(" \n\n").damaged);
    EXPECT_TRUE(parseCustomLevelList("0\n").problems.empty());
    for (const char* bytes : {"x\n", "-2\nA", "+1\nA", "1.5", "\x01"}) {
        SCOPED_TRACE(bytes);
        const CustomLevelList list = parseCustomLevelList(bytes);
        EXPECT_TRUE(list.damaged);
        EXPECT_TRUE(list.entries.empty());
        EXPECT_EQ(list.problems.size(), 1u);
    }
    const CustomLevelList huge = parseCustomLevelList("99999999999999999999999 A");
    EXPECT_FALSE(huge.damaged);
    EXPECT_EQ(huge.entries.size(), 1u);
    std::string many = "1\n";
    for (std::size_t i = 0; i <= maxCustomListEntries; ++i)
        many += "A\n";
    EXPECT_TRUE(parseCustomLevelList(many).damaged);
}

TEST(CustomLevelListParse, WrittenTextReadsBack)
{
    const std::vector<std::string> paths{"Assets/Map/Custom/A/A.txt", "odd\\path"};
    EXPECT_EQ(customListText(paths, false), "2\nAssets/Map/Custom/A/A.txt\nodd\\path");
    EXPECT_EQ(customListText({}, true), "0\n");
    const CustomLevelList list = parseCustomLevelList(customListText(paths, true));
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[1].path, "odd\\path");
    EXPECT_TRUE(list.problems.empty());
}
