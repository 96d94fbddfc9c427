#include "editor/EditorLevelFiles.h"
#include "editor/LevelStore.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

// Saving, opening and deleting custom levels on disk, in an empty folder of
// the test's own.

namespace {

const std::string listFile = "Assets/Map/Custom/Custom.txt";

std::vector<Section> filledSections(int count, int code)
{
    TileColumn column;
    column.fill(code);
    return std::vector<Section>(static_cast<std::size_t>(count), Section(60, column));
}

// Every file and folder under the working folder, with the files' bytes.
std::map<std::string, std::string> snapshot()
{
    std::map<std::string, std::string> tree;
    for (auto it = fs::recursive_directory_iterator("."); it != fs::recursive_directory_iterator(); ++it) {
        const std::string path = it->path().string();
        if (it->is_symlink())
            tree[path] = "<link>";
        else if (it->is_directory())
            tree[path] = "<folder>";
        else
            tree[path] = readTestFile(path);
    }
    return tree;
}

std::string level(const std::string& name)
{
    return "Assets/Map/Custom/" + name + "/" + name + ".txt";
}

std::string listOf(int count)
{
    std::string list = std::to_string(count) + "\n";
    for (int i = 0; i < count; ++i)
        list += level("L" + std::to_string(i)) + "\n";
    return list;
}

}  // namespace

TEST(LevelStore, SaveWritesTheExactFilesThenTheList)
{
    enterEmptyFolder();
    writeTestFile(listFile, "1\n" + level("Old"));
    std::vector<Section> sections = filledSections(3, emptyCode);
    sections[1][2][3] = 4;
    ASSERT_TRUE(saveCustomLevel(sections, "P").done);

    EXPECT_EQ(readTestFile(level("P")), "2\n11456.000000\n64\nAssets/Map/Custom/P/Map0.txt\n"
                                        "Assets/Map/Custom/P/Map1.txt\nAssets/Map/Custom/P/Map2.txt\n");
    EXPECT_EQ(readTestFile("Assets/Map/Custom/P/Map0.txt"), uniformSection(60, -1));
    std::string expected = uniformSection(60, -1);
    expected.replace(3 * (60 * 3 + 1) + 2 * 3, 3, "4 ");  // row 3, column 2
    EXPECT_EQ(readTestFile("Assets/Map/Custom/P/Map1.txt"), expected);
    const std::string list = "2\n" + level("Old") + "\n" + level("P");
    EXPECT_EQ(readTestFile(listFile), list);

    // Saving a listed name again rewrites its files and leaves the list alone.
    ASSERT_TRUE(saveCustomLevel(filledSections(3, 6), "P").done);
    EXPECT_EQ(readTestFile("Assets/Map/Custom/P/Map1.txt"), uniformSection(60, 6));
    EXPECT_EQ(readTestFile(listFile), list);

    // With nine listed, a listed level is saved over; the list stays as it is.
    writeTestFile(listFile, listOf(8) + level("P") + "\n");
    const std::string nine = readTestFile(listFile);
    ASSERT_TRUE(saveCustomLevel(filledSections(5, 7), "P").done);
    EXPECT_EQ(readTestFile("Assets/Map/Custom/P/Map4.txt"), uniformSection(60, 7));
    EXPECT_EQ(readTestFile(listFile), nine);

    // A missing list is created.
    fs::remove(listFile);
    ASSERT_TRUE(saveCustomLevel(filledSections(3, 0), "Q").done);
    EXPECT_EQ(readTestFile(listFile), "1\n" + level("Q"));
}

TEST(LevelStore, RefusedSavesChangeNothing)
{
    enterEmptyFolder();
    struct Case {
        const char* why;
        std::string list;
        std::string name;
        std::string reasonPart;
    };
    const Case cases[] = {
        {"nine listed, new name", listOf(9), "New", "9 levels are saved already"},
        {"200 listed, new name", listOf(200), "New", "200 levels are saved already"},
        {"a listed name in other letter case", "1\n" + level("Cliffs") + "\n", "cliffs", "Cliffs"},
        {"damaged list", "many\n" + level("A"), "A", "Custom.txt is damaged"},
        {"count that is not a number", "-1\n", "A", "Custom.txt is damaged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        writeTestFile(listFile, c.list);
        const auto before = snapshot();
        const FileOutcome outcome = saveCustomLevel(filledSections(3, 1), c.name);
        EXPECT_FALSE(outcome.done);
        EXPECT_NE(outcome.message.find(c.reasonPart), std::string::npos) << outcome.message;
        EXPECT_EQ(snapshot(), before);
    }
}

TEST(LevelStore, AFailedSaveKeepsTheOldLevelAndTheList)
{
    enterEmptyFolder();
    ASSERT_TRUE(saveCustomLevel(filledSections(3, 3), "P").done);
    {
        SCOPED_TRACE("a section path taken by a folder");
        fs::create_directories("Assets/Map/Custom/P/Map3.txt");
        const auto before = snapshot();
        EXPECT_FALSE(saveCustomLevel(filledSections(5, 8), "P").done);
        EXPECT_EQ(snapshot(), before);
        fs::remove("Assets/Map/Custom/P/Map3.txt");
    }
    {
        SCOPED_TRACE("the level file cannot be written after the sections were");
        fs::create_directories("Assets/Map/Custom/P/P.txt.new");
        const auto before = snapshot();
        EXPECT_FALSE(saveCustomLevel(filledSections(3, 8), "P").done);
        EXPECT_EQ(snapshot(), before);
        fs::remove("Assets/Map/Custom/P/P.txt.new");
    }
    {
        SCOPED_TRACE("the list cannot be written after a new level's files were");
        fs::create_directories(listFile + ".new");
        const auto before = snapshot();
        const FileOutcome outcome = saveCustomLevel(filledSections(3, 8), "Q");
        EXPECT_FALSE(outcome.done);
        EXPECT_NE(outcome.message.find("Custom.txt"), std::string::npos);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST(LevelStore, OpenReadsBackASavedLevelAndRefusesDamagedOnes)
{
    enterEmptyFolder();
    std::vector<Section> sections = filledSections(5, emptyCode);
    sections[4][59][19] = 19;
    sections[0][0][0] = 9;
    ASSERT_TRUE(saveCustomLevel(sections, "Five").done);
    const OpenedLevel opened = openCustomLevel("five");
    ASSERT_TRUE(opened.outcome.done) << opened.outcome.message;
    EXPECT_EQ(opened.outcome.message, "Opened Five");  // as the list spells it
    EXPECT_EQ(opened.sections, sections);

    ASSERT_TRUE(saveCustomLevel(filledSections(3, 2), "D").done);
    const std::string dir = "Assets/Map/Custom/D/";
    const std::string goodLevel = readTestFile(dir + "D.txt");
    const std::string goodSection = readTestFile(dir + "Map1.txt");
    struct Case {
        const char* file;
        std::string bytes;  // "" removes the file
        std::string reasonPart;
    };
    const Case cases[] = {
        {"D.txt", "", "No level named D"},
        {"D.txt", "abc\n", "not a section count"},
        {"D.txt", "3\n15296.0\n64\n", "4 sections"},
        {"D.txt", "2147483647\n", "2147483648 sections"},
        {"Map1.txt", "", "Map1.txt is missing"},
        {"Map1.txt", "1 2 3\n", "Map1.txt is short: 3 of 1200"},
        {"Map1.txt", "0 0 x1\n", "Map1.txt line 1: \"x1\" is not a tile code"},
        {"Map1.txt", "\n\n7 20\n", "Map1.txt line 3: tile code 20 is outside -1..19"},
        {"Map1.txt", "-2\n", "tile code -2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        if (c.bytes.empty())
            fs::remove(dir + c.file);
        else
            writeTestFile(dir + c.file, c.bytes);
        const OpenedLevel refused = openCustomLevel("D");
        EXPECT_FALSE(refused.outcome.done);
        EXPECT_TRUE(refused.sections.empty());
        EXPECT_NE(refused.outcome.message.find(c.reasonPart), std::string::npos) << refused.outcome.message;
        writeTestFile(dir + "D.txt", goodLevel);
        writeTestFile(dir + "Map1.txt", goodSection);
    }
    EXPECT_TRUE(openCustomLevel("D").outcome.done);
}

TEST(LevelStore, DeleteRemovesOnlyTheLevelsOwnFilesAndEntry)
{
    enterEmptyFolder();
    ASSERT_TRUE(saveCustomLevel(filledSections(3, 1), "X").done);
    ASSERT_TRUE(saveCustomLevel(filledSections(3, 1), "XY").done);
    ASSERT_TRUE(saveCustomLevel(filledSections(3, 1), "Keep").done);
    writeTestFile("Assets/Map/Custom/Keep/notes.txt", "mine");

    EXPECT_FALSE(deleteCustomLevel("x").done);  // listed as X
    EXPECT_TRUE(fs::exists(level("X")));
    ASSERT_TRUE(deleteCustomLevel("X").done);
    EXPECT_FALSE(fs::exists("Assets/Map/Custom/X"));
    EXPECT_EQ(readTestFile(listFile), "2\n" + level("XY") + "\n" + level("Keep") + "\n");
    ASSERT_TRUE(deleteCustomLevel("Keep").done);
    EXPECT_EQ(readTestFile("Assets/Map/Custom/Keep/notes.txt"), "mine");
    EXPECT_FALSE(fs::exists(level("Keep")));
    EXPECT_EQ(readTestFile(listFile), "1\n" + level("XY") + "\n");

    // A hostile count in the level file drives nothing: Map0..Map8 at most.
    writeTestFile(level("XY"), "2000000000\n0\n64\n");
    ASSERT_TRUE(deleteCustomLevel("XY").done);
    EXPECT_EQ(readTestFile(listFile), "0\n");
    EXPECT_FALSE(deleteCustomLevel("XY").done);  // gone: nothing to delete

    // A linked folder and a plain file named like a level are left alone.
    writeTestFile("Elsewhere/Map0.txt", "precious");
    fs::create_directory_symlink(fs::absolute("Elsewhere"), "Assets/Map/Custom/Link");
    writeTestFile("Assets/Map/Custom/Plain", "a file");
    writeTestFile(listFile, "2\n" + level("Link") + "\n" + level("Plain") + "\n");
    const auto before = snapshot();
    EXPECT_FALSE(deleteCustomLevel("Link").done);
    EXPECT_FALSE(deleteCustomLevel("Plain").done);
    EXPECT_FALSE(saveCustomLevel(filledSections(3, 1), "Link").done);
    writeTestFile(listFile, "x\n" + level("Link"));
    EXPECT_FALSE(deleteCustomLevel("Link").done);  // damaged list
    writeTestFile(listFile, "2\n" + level("Link") + "\n" + level("Plain") + "\n");
    EXPECT_EQ(snapshot(), before);
}

TEST(LevelStore, HostileNamesAreRefusedAndTouchNoFile)
{
    enterEmptyFolder();
    writeTestFile(listFile, "1\n" + level("Good"));
    writeTestFile("Assets/Map/Custom/Good/Good.txt", "2\n");
    writeTestFile("Assets/settings/gamesettings.txt", "1\n50\n50\n");
    const auto before = snapshot();
    const std::string hostile[] = {"",          "../settings", "..",        ".",     "a/b",    "a\\b",
                                   "C:",        "Good.txt",    "con",       "Nul",   "COM1",   "lpt9",
                                   "a b",       "x\x1a",       "caf\xc3\xa9", std::string("a\0b", 3),
                                   std::string(31, 'a')};
    for (const std::string& name : hostile) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(saveCustomLevel(filledSections(3, 1), name).done);
        const OpenedLevel opened = openCustomLevel(name);
        EXPECT_FALSE(opened.outcome.done);
        EXPECT_FALSE(opened.outcome.message.empty());
        EXPECT_FALSE(deleteCustomLevel(name).done);
    }
    EXPECT_EQ(snapshot(), before);
    // The longest and the plainest names pass.
    EXPECT_TRUE(saveCustomLevel(filledSections(3, 1), std::string(30, 'z')).done);
    EXPECT_TRUE(saveCustomLevel(filledSections(3, 1), "a-B_9").done);
}

TEST(LevelStore, APickedLevelMustExistWithThreeSections)
{
    enterEmptyFolder();
    ASSERT_TRUE(saveCustomLevel(filledSections(3, 1), "Ok").done);
    EXPECT_EQ(playableLevelProblem(level("Ok"), "Ok"), "");
    EXPECT_NE(playableLevelProblem(level("None"), "None").find("missing"), std::string::npos);
    writeTestFile(level("Two"), "1\n0\n64\nAssets/Map/Custom/Ok/Map0.txt\nAssets/Map/Custom/Ok/Map1.txt\n");
    EXPECT_NE(playableLevelProblem(level("Two"), "Two").find("2 sections"), std::string::npos);
    writeTestFile(level("Gap"), "2\n0\n64\nAssets/Map/Custom/Ok/Map0.txt\nA/Map1.txt\nA/Map2.txt\n");
    EXPECT_NE(playableLevelProblem(level("Gap"), "Gap").find("A/Map1.txt is missing"), std::string::npos);
    fs::create_directories("A/Map1.txt");
    EXPECT_NE(playableLevelProblem(level("Gap"), "Gap").find("A/Map1.txt is a folder, not a file"),
              std::string::npos);

    // What Open refuses, the list refuses too, in the same words.
    for (const char* count : {"2000000000", "3", "x"}) {
        SCOPED_TRACE(count);
        writeTestFile(level("Ok"), std::string(count) + "\n0\n64\nAssets/Map/Custom/Ok/Map0.txt\n"
                                                        "Assets/Map/Custom/Ok/Map1.txt\nAssets/Map/Custom/Ok/Map2.txt\n");
        const std::string opened = openCustomLevel("Ok").outcome.message;
        EXPECT_EQ(playableLevelProblem(level("Ok"), "Ok"), "Ok cannot be played: " + opened);
    }
}
