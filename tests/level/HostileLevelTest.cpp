#include "level/LevelFile.h"
#include "support/HostileFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

// Hostile level and section files: nothing indexes a section the level does
// not hold, and every code read is one the tileset draws.

namespace {

using LevelRow = HostileRow<LevelRecord>;
using SectionRow = HostileRow<SectionRecord>;
using Paths = std::vector<std::string>;

const Paths threePaths = {"S0.txt", "S1.txt", "S2.txt"};

std::string levelWith(const std::string& header, const Paths& paths = threePaths, const std::string& end = "\n")
{
    std::string text = header;
    for (const std::string& path : paths)
        text += path + end;
    return text;
}

const std::string goodHeader = "2\n11456.000000\n64\n";

// Last section, flag positions and section paths.
std::function<void(const LevelRecord&)> levelIs(int lastSection, float flag0X, float flag1X, Paths paths)
{
    return [=](const LevelRecord& level) {
        EXPECT_EQ(level.lastSection, lastSection);
        EXPECT_FLOAT_EQ(level.flag0X, flag0X);
        EXPECT_FLOAT_EQ(level.flag1X, flag1X);
        EXPECT_EQ(level.sectionFiles, paths);
    };
}

const auto asGood = levelIs(2, 11456.f, 64.f, threePaths);

Paths manyPaths(int count)
{
    Paths paths;
    for (int i = 0; i < count; ++i)
        paths.push_back("S" + std::to_string(i) + ".txt");
    return paths;
}

const LevelRow hostileLevels[] = {
    {"Missing", missingFile(), levelIs(0, 0.f, 0.f, {}), "is missing; the level has no sections", "load error\n"},
    {"FolderInPlace", folderInstead(), levelIs(0, 0.f, 0.f, {}), "is a folder, not a file", "load error\n"},
    {"Empty", bytesFile(""), levelIs(0, 3776.f, 64.f, {}), "is empty; the level has no sections", ""},
    {"TruncatedMidLine", bytesFile("2\n1145"), levelIs(0, 1145.f, 64.f, {}), "the file ends before the x of flag 1",
     ""},
    {"LastSectionWord", bytesFile(levelWith("two\n11456\n64\n")), asGood,
     "1: \"two\" is not a last section number; the section files named decide it", ""},
    {"LastSectionMinusOne", bytesFile(levelWith("-1\n11456\n64\n")), asGood, "\"-1\" is not a last section number",
     ""},
    {"LastSectionIntMax", bytesFile(levelWith("2147483647\n11456\n64\n")), asGood,
     "the last section is 2147483647 but 3 section files are named; the last section is 2", ""},
    {"LastSectionIntMin", bytesFile(levelWith("-2147483648\n11456\n64\n")), asGood, "is not a last section number",
     ""},
    {"LastSectionHuge", bytesFile(levelWith("1e308\n11456\n64\n")), asGood, "is not a last section number", ""},
    {"FlagNan", bytesFile(levelWith("2\nnan\n64\n")), asGood,
     "2: \"nan\" is not the x of flag 0; it stands where the editor puts it", ""},
    {"FlagWord", bytesFile(levelWith("2\n11456\nleft\n")), asGood, "\"left\" is not the x of flag 1", ""},
    {"AbsoluteSectionPath", bytesFile(levelWith(goodHeader, {"S0.txt", "/dev/zero", "S2.txt"})),
     levelIs(2, 11456.f, 64.f, {"S0.txt", "", "S2.txt"}),
     "5: the section path \"/dev/zero\" is an absolute path; only files inside the game folder are read; that section "
     "is ground everywhere",
     ""},
    {"ClimbingSectionPath", bytesFile(levelWith(goodHeader, {"S0.txt", "S1.txt", "..\\..\\S2.txt"})),
     levelIs(2, 11456.f, 64.f, {"S0.txt", "S1.txt", ""}), "climbs out with \"..\"", ""},
    {"TooManySections", bytesFile(levelWith("299\n1148096\n64\n", manyPaths(300))),
     levelIs(255, 1148096.f, 64.f, manyPaths(256)), "names more than 256 sections; the rest are ignored", ""},
    {"ByteOrderMarkAndCrlf", bytesFile(byteOrderMark + levelWith("2\r\n11456.000000\r\n64\r\n", threePaths, "\r\n")),
     asGood, "", ""},
    {"RandomBytes", bytesFile(randomBytes(4096)),
     [](const LevelRecord& level) {
         EXPECT_LE(level.sectionFiles.size(), 256u);
         EXPECT_GE(level.lastSection, 0);
         EXPECT_LE(level.lastSection, std::max(static_cast<int>(level.sectionFiles.size()) - 1, 0));
     },
     "is not a last section number", ""},
};

class HostileLevel : public testing::TestWithParam<LevelRow> {};

// A section of 60-column rows: `rows` rows of `columns` codes, all `code`.
std::string sectionOf(int rows, int columns, const std::string& code, const std::string& end = "\n")
{
    std::string text;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            text += code + " ";
        text += end;
    }
    return text;
}

// Every code `code`, except the first `first` read ones... up to `count` codes.
std::function<void(const SectionRecord&)> codesAre(int firstCodes, int firstCode, int restCode)
{
    return [=](const SectionRecord& section) {
        ASSERT_EQ(section.codes.size(), 60u);
        for (int i = 0; i < 1200; ++i) {
            const int expected = i < firstCodes ? firstCode : restCode;
            const int code = section.codes[static_cast<std::size_t>(i % 60)][static_cast<std::size_t>(i / 60)];
            if (code != expected) {
                ADD_FAILURE() << "code " << i << " is " << code << ", not " << expected;
                return;
            }
        }
    };
}

const auto allEmpty = codesAre(1200, -1, -1);
const auto allGround = codesAre(0, 0, 0);

std::string withFirstCode(const std::string& code)
{
    return code + " " + sectionOf(20, 60, "-1").substr(3);
}

const SectionRow hostileSections[] = {
    {"Missing", missingFile(), allGround, "is missing; the section is ground everywhere", "Error loading map\n"},
    {"FolderInPlace", folderInstead(), allGround, "is a folder, not a file", "Error loading map\n"},
    {"Empty", bytesFile(""), allGround, "holds 0 codes where 20 rows of 60 (1200) are needed; the rest are ground (0)",
     ""},
    {"NineteenRows", bytesFile(sectionOf(19, 60, "-1")), codesAre(1140, -1, 0), "holds 1140 codes where 20 rows", ""},
    {"TwentyOneRows", bytesFile(sectionOf(21, 60, "-1")), allEmpty,
     "holds 1260 words where 20 rows of 60 (1200) codes are needed; the rest are ignored", ""},
    {"RowsOf59", bytesFile(sectionOf(20, 59, "-1")), codesAre(1180, -1, 0), "holds 1180 codes", ""},
    {"RowsOf61", bytesFile(sectionOf(20, 61, "-1")), allEmpty, "holds 1220 words", ""},
    {"Code99", bytesFile(withFirstCode("99")), codesAre(1, 0, -1),
     "1: 1 codes (the first \"99\") are no tile (-1 to 19); they are ground tile 0", ""},
    {"CodeMinus7", bytesFile(withFirstCode("-7")), codesAre(1, 0, -1), "(the first \"-7\") are no tile", ""},
    {"CodeIntMax", bytesFile(withFirstCode("2147483647")), codesAre(1, 0, -1), "(the first \"2147483647\")", ""},
    {"CodeIntMin", bytesFile(withFirstCode("-2147483648")), codesAre(1, 0, -1), "are no tile (-1 to 19)", ""},
    {"CodePastInt", bytesFile(withFirstCode("2147483648")), allGround,
     "1: \"2147483648\" is not a tile code; from row 1, column 1 on the codes are ground (0)", ""},
    {"WordMidway", bytesFile(sectionOf(2, 60, "-1") + "grass " + sectionOf(18, 60, "-1")), codesAre(120, -1, 0),
     "3: \"grass\" is not a tile code; from row 3, column 1 on", ""},
    {"RandomBytes", bytesFile(randomBytes(4096)), allGround, "is not a tile code", ""},
    {"ByteOrderMarkAndCrlf", bytesFile(byteOrderMark + sectionOf(20, 60, "-1", "\r\n")), allEmpty, "", ""},
    {"OneMegabyteLine", bytesFile(oneLongLine(1u << 18, "-1")), allEmpty, "codes are needed; the rest are ignored",
     ""},
    {"FiftyMegabytes", fiftyMegabytes("", sectionOf(20, 60, "-1")), allEmpty,
     "is larger than 4 MiB; only its first 4 MiB are read", ""},
};

class HostileSection : public testing::TestWithParam<SectionRow> {};

}  // namespace

TEST_P(HostileLevel, NeverNamesASectionItDoesNotHold)
{
    checkHostileRow(GetParam(), "L.txt", [](LevelRecord& level) {
        readLevelFile("L.txt", classicColumns, level);
        return level.problems;
    });
}

INSTANTIATE_TEST_SUITE_P(Table, HostileLevel, testing::ValuesIn(hostileLevels), RowName());

TEST_P(HostileSection, ReadsOnlyCodesTheTilesetDraws)
{
    checkHostileRow(GetParam(), "S.txt", [](SectionRecord& section) {
        readSectionFile("S.txt", classicColumns, section);
        return section.problems;
    });
}

INSTANTIATE_TEST_SUITE_P(Table, HostileSection, testing::ValuesIn(hostileSections), RowName());
