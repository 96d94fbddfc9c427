#include "fighters/CharacterFile.h"
#include "support/HostileFiles.h"

#include <gtest/gtest.h>

// Hostile persos.txt files: slots keep their places, refused or missing
// ones are drawn as boxes.

namespace {

using Row = HostileRow<RosterRecord>;
using Paths = std::vector<std::string>;

Paths eightPaths()
{
    Paths paths;
    for (int i = 0; i < 8; ++i)
        paths.push_back("Assets/Characters/C" + std::to_string(i) + ".txt");
    return paths;
}

std::string asLines(const Paths& paths, const std::string& end = "\n")
{
    std::string text;
    for (const std::string& path : paths)
        text += path + end;
    return text;
}

std::function<void(const RosterRecord&)> filesAre(Paths expected)
{
    return [expected](const RosterRecord& roster) { EXPECT_EQ(roster.files, expected); };
}

Paths firstFive()
{
    Paths paths = eightPaths();
    paths.resize(5);
    return paths;
}

Paths withSlot(int slot, const std::string& path)
{
    Paths paths = eightPaths();
    paths[static_cast<std::size_t>(slot)] = path;
    return paths;
}

const Row rosterRows[] = {
    {"Missing", missingFile(), filesAre({}), "is missing; every fighter is drawn as a box",
     "Error Loading perso.txt\n"},
    {"FolderInPlace", folderInstead(), filesAre({}), "is a folder, not a file", "Error Loading perso.txt\n"},
    {"Empty", bytesFile(""), filesAre({}), "lists 0 character files where 8 are needed; slots 1 to 8", ""},
    {"FivePaths", bytesFile(asLines(firstFive())), filesAre(firstFive()),
     "lists 5 character files where 8 are needed; slots 6 to 8 are drawn as boxes", ""},
    {"NinePaths", bytesFile(asLines(eightPaths()) + "Extra.txt\n"), filesAre(eightPaths()),
     "9: only the first 8 character files are used", ""},
    {"AbsolutePath", bytesFile(asLines(withSlot(1, "/etc/passwd"))), filesAre(withSlot(1, "")),
     "2: the character file \"/etc/passwd\" is an absolute path; only files inside the game folder are read; slot 2",
     ""},
    {"ClimbingPath", bytesFile(asLines(withSlot(7, "Assets/../../secret.txt"))), filesAre(withSlot(7, "")),
     "climbs out with \"..\"", ""},
    {"ByteOrderMarkAndCrlf", bytesFile(byteOrderMark + asLines(eightPaths(), "\r\n")), filesAre(eightPaths()), "",
     ""},
    {"RandomBytes", bytesFile(randomBytes(4096)),
     [](const RosterRecord& roster) { EXPECT_EQ(roster.files.size(), 8u); }, "holds characters other than plain letters, digits and signs", ""},
};

class HostileRoster : public testing::TestWithParam<Row> {};

}  // namespace

TEST_P(HostileRoster, KeepsEverySlotInItsPlace)
{
    checkHostileRow(GetParam(), rosterPath, [](RosterRecord& roster) {
        readRosterFile(roster);
        return roster.problems;
    });
}

INSTANTIATE_TEST_SUITE_P(Table, HostileRoster, testing::ValuesIn(rosterRows), RowName());
