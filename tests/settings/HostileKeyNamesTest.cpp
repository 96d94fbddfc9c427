#include "settings/KeyNames.h"
#include "support/HostileFiles.h"

#include <gtest/gtest.h>

// Hostile name files: every name that can be shown is kept in its place.

namespace {

using Row = HostileRow<NameList>;
using Names = std::vector<std::string>;

std::function<void(const NameList&)> namesAre(Names expected)
{
    return [expected](const NameList& list) { EXPECT_EQ(list.names, expected); };
}

Names numbered(int count)
{
    Names names;
    for (int i = 0; i < count; ++i)
        names.push_back("K" + std::to_string(i));
    return names;
}

std::string asLines(const Names& names)
{
    std::string text;
    for (const std::string& name : names)
        text += name + "\n";
    return text;
}

const Row nameRows[] = {
    {"Missing", missingFile(), namesAre({}), "is missing; codes show their numbers", "File error\n"},
    {"FolderInPlace", folderInstead(), namesAre({}), "is a folder, not a file", "File error\n"},
    {"Empty", bytesFile(""), namesAre({}), "holds no names; codes show their numbers", ""},
    {"OnlySpaces", bytesFile(" \r\n\t\n"), namesAre({}), "holds no names", ""},
    {"ByteOrderMarkAndCrlf", bytesFile(byteOrderMark + "A\r\nB\r\nEscape\r\n"), namesAre({"A", "B", "Escape"}), "",
     ""},
    {"ControlBytes", bytesFile("A B\x01\x1b[31m D"), namesAre({"A", "", "D"}),
     "1: \"B\\x01\\x1B[31m\" cannot be shown as a name; its code shows its number", ""},
    {"OverlongName", bytesFile("A " + std::string(40, 'x') + " C"), namesAre({"A", "", "C"}),
     "cannot be shown as a name; its code shows its number", ""},
    {"RandomBytes", bytesFile(randomBytes(4096)),
     [](const NameList& list) { EXPECT_LE(list.names.size(), 256u); },
     "names cannot be shown (the first", ""},
    {"TooManyNames", bytesFile(asLines(numbered(300))), namesAre(numbered(256)),
     "257: names after the 256th are ignored", ""},
    {"OneMegabyteLine", bytesFile(oneLongLine(1u << 18, "Key")), namesAre(Names(256, "Key")),
     "names after the 256th are ignored", ""},
};

class HostileKeyNames : public testing::TestWithParam<Row> {};

}  // namespace

TEST_P(HostileKeyNames, KeepsTheNamesThatCanBeShown)
{
    checkHostileRow(GetParam(), keyNamesPath, [](NameList& list) {
        readNameFile(keyNamesPath, list);
        return list.problems;
    });
}

INSTANTIATE_TEST_SUITE_P(Table, HostileKeyNames, testing::ValuesIn(nameRows), RowName());

TEST(KeyNames, EmptyOrMissingNamesShowTheCode)
{
    const Names names = {"A", ""};
    EXPECT_EQ(displayName(names, 0), "A");
    EXPECT_EQ(displayName(names, 1), "1");
    EXPECT_EQ(displayName(names, 2), "2");
    EXPECT_EQ(displayName(names, -5), "-5");
}
