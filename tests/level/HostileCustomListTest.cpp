#include "editor/EditorLevelFiles.h"
#include "level/CustomLevelList.h"
#include "support/HostileFiles.h"

#include <gtest/gtest.h>

// Hostile Custom.txt files: the list keeps every path exactly as stored (the
// editor rewrites it), a list it cannot trust is shown empty and never
// rewritten, and a path that leaves the game folder is refused when picked.

namespace {

using Row = HostileRow<CustomLevelList>;
using Names = std::vector<std::string>;

const std::string cliffs = "Assets/Map/Custom/Cliffs/Cliffs.txt";
const std::string bay = "Assets/Map/Custom/Bay/Bay.txt";

std::function<void(const CustomLevelList&)> shows(Names names, bool damaged = false)
{
    return [names, damaged](const CustomLevelList& list) {
        Names shown;
        for (const CustomLevelEntry& entry : list.entries)
            shown.push_back(entry.displayName);
        EXPECT_EQ(shown, names);
        EXPECT_EQ(list.damaged, damaged);
    };
}

// The entry stays in the list as written, but picking it says why it cannot be played.
std::function<void(const CustomLevelList&)> refusedWhenPicked(std::string path, std::string why)
{
    return [path, why](const CustomLevelList& list) {
        ASSERT_EQ(list.entries.size(), 1u);
        EXPECT_EQ(list.entries[0].path, path);
        const std::string problem = playableLevelProblem(path, list.entries[0].displayName);
        EXPECT_NE(problem.find(why), std::string::npos) << problem;
    };
}

std::string manyEntries(std::size_t count)
{
    std::string text = std::to_string(count) + "\n";
    for (std::size_t i = 0; i < count; ++i)
        text += "L" + std::to_string(i) + "/L" + std::to_string(i) + ".txt\n";
    return text;
}

const Row customListRows[] = {
    {"Missing", missingFile(), shows({}), "", ""},
    {"Empty", bytesFile(""), shows({}), "", ""},
    {"FolderInPlace", folderInstead(), shows({}, true),
     "is a folder, not a file; no custom level is shown and the list is not rewritten", ""},
    {"AsTheEditorWritesIt", bytesFile(customListText({cliffs, "odd\\path\\Bay.txt", "a.b/Two.dots.txt", "a/Plain"}, true)),
     shows({"Cliffs", "Bay", "Two.dots", "Plain"}),
     "", ""},
    {"ByteOrderMarkAndCrlf", bytesFile(byteOrderMark + "2\r\n" + cliffs + "\r\n" + bay + "\r\n"),
     [](const CustomLevelList& list) {
         shows({"Cliffs", "Bay"})(list);
         EXPECT_EQ(list.entries[0].levelName, "Cliffs");
         EXPECT_EQ(list.entries[1].path, bay);
     },
     "", ""},
    {"TruncatedMidLine", bytesFile("2\n" + cliffs + "\nAssets/Map/Cus"), shows({"Cliffs", "Cus"}), "", ""},
    {"CountIsAWord", bytesFile("nonsense\n" + cliffs), shows({}, true),
     "1: \"nonsense\" is not a count of levels; no custom level is shown and the list is not rewritten", ""},
    {"CountMinusOne", bytesFile("-1\n" + cliffs), shows({}, true), "\"-1\" is not a count of levels", ""},
    {"CountNan", bytesFile("\n\nnan\n" + cliffs), shows({}, true), "3: \"nan\" is not a count of levels", ""},
    {"Count1e308", bytesFile("1e308\n" + cliffs), shows({}, true), "\"1e308\" is not a count of levels", ""},
    {"CountZeroWithALevel", bytesFile("0\n" + cliffs), shows({"Cliffs"}),
     "1: the count says \"0\" but 1 are listed", ""},
    {"CountIntMax", bytesFile("2147483647\n" + cliffs), shows({"Cliffs"}),
     "the count says \"2147483647\" but 1 are listed", ""},
    {"CountBeyondAnyInt", bytesFile("000099999999999999999999999 " + cliffs), shows({"Cliffs"}),
     "the count says \"99999999999999999999...\" but 1 are listed", ""},
    {"TwelveLevels", bytesFile(manyEntries(12)),
     [](const CustomLevelList& list) { EXPECT_EQ(list.entries.size(), 12u); },  // the screen shows "12/9"
     "", ""},
    {"MoreThanAnyListHolds", bytesFile(manyEntries(maxCustomListEntries + 1)),
     [](const CustomLevelList& list) { EXPECT_TRUE(list.damaged); }, "lists more than 4096 levels", ""},
    {"AbsolutePath", bytesFile("1\n/etc/passwd\n"),
     refusedWhenPicked("/etc/passwd", "passwd cannot be played: its path is an absolute path"), "", ""},
    {"ClimbingPath", bytesFile("1\nAssets/../../secret.txt\n"),
     refusedWhenPicked("Assets/../../secret.txt", "cannot be played: its path climbs out with \"..\""), "", ""},
    {"PathToAFolder", bytesFile("1\nAssets/Map/Custom\n"),
     refusedWhenPicked("Assets/Map/Custom", "Custom cannot be played: its level file cannot be read"), "", ""},
    {"PathToAMissingFile", bytesFile("1\n" + cliffs),
     refusedWhenPicked(cliffs, "Cliffs cannot be played: its level file is missing"), "", ""},
    {"OneMegabyteName", bytesFile("1\n" + std::string(1u << 20, 'x') + "\n"),
     [](const CustomLevelList& list) {
         ASSERT_EQ(list.entries.size(), 1u);
         EXPECT_EQ(list.entries[0].path.size(), 1u << 20);
         EXPECT_EQ(list.entries[0].displayName, std::string(maxShownNameBytes, 'x') + "...");
     },
     "", ""},
    {"RandomBytes", bytesFile(randomBytes(4096)), shows({}, true), "is not a count of levels", ""},
    {"FiftyMegabytes", fiftyMegabytes("1\n" + cliffs + "\n", "Assets/Map/Custom/X/X.txt\n"), shows({}, true),
     "is larger than 4 MiB", ""},
};

class HostileCustomList : public testing::TestWithParam<Row> {};

}  // namespace

TEST_P(HostileCustomList, ShowsWhatItCanTrustAndNeverRewritesTheRest)
{
    checkHostileRow(GetParam(), customListPath, [](CustomLevelList& list) {
        list = loadCustomLevelList();
        // Whatever the bytes, what reaches the screen is plain text.
        for (const CustomLevelEntry& entry : list.entries)
            for (char c : entry.displayName)
                EXPECT_TRUE(c >= 0x20 && c < 0x7F);
        return list.problems;
    });
}

INSTANTIATE_TEST_SUITE_P(Table, HostileCustomList, testing::ValuesIn(customListRows), RowName());
