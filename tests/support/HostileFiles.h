#pragma once

#include "resources/TextFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

// What stands where a reader looks for its file: nothing, a folder, or bytes.
// Large files are written when placed, not held: every test process builds
// the tables.
struct HostileFile {
    enum Kind { Missing, Folder, Bytes } kind = Bytes;
    std::string bytes;
    std::string padding;   // repeated after `bytes` ...
    std::size_t size = 0;  // ... until the file holds this many bytes
};
HostileFile missingFile();
HostileFile folderInstead();
HostileFile bytesFile(std::string bytes);
HostileFile fiftyMegabytes(std::string start, std::string padding);

// Puts `file` at `path` (creating the folders), in the working folder.
void placeHostileFile(const std::string& path, const HostileFile& file);
// The same in a fresh empty working folder.
void placeInEmptyFolder(const std::string& path, const HostileFile& file);

// Bytes the tables reuse: random ones (fixed seed), one line of `count`
// copies of `word`, a byte-order mark.
std::string randomBytes(std::size_t count);
std::string oneLongLine(std::size_t count, const std::string& word);
inline const std::string byteOrderMark = "\xEF\xBB\xBF";

// All problems as the terminal would show them, one per line.
std::string problemText(const Problems& problems);

// One row of a table: the file, what the record must hold, and the words the
// problems must say ("" = no problem at all) and the game's own message on
// standard output.
template <class Record>
struct HostileRow {
    const char* name;
    HostileFile file;
    std::function<void(const Record&)> check;
    std::string problem;
    std::string gameMessage;
};

template <class Record>
std::ostream& operator<<(std::ostream& out, const HostileRow<Record>& row)
{
    return out << row.name;
}

// Checks a read against its row.
template <class Record>
void expectRow(const HostileRow<Record>& row, const Record& record, const Problems& problems,
               const std::string& printed)
{
    row.check(record);
    const std::string said = problemText(problems);
    if (row.problem.empty())
        EXPECT_EQ(said, "");
    else
        EXPECT_NE(said.find(row.problem), std::string::npos) << said;
    EXPECT_EQ(printed, row.gameMessage);
    // Nothing of a file reaches the terminal raw, and every problem is one short line.
    for (char c : said)
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << said;
    for (const Problem& problem : problems)
        EXPECT_LT(problem.what.size(), 240u) << problem.what;
}

// Reads the row's file, placed at `path` in an empty folder, with `read`
// (which fills the record and returns its problems), and checks the row.
template <class Record, class Read>
void checkHostileRow(const HostileRow<Record>& row, const std::string& path, Read read)
{
    placeInEmptyFolder(path, row.file);
    Record record;
    testing::internal::CaptureStdout();
    const Problems problems = read(record);
    expectRow(row, record, problems, testing::internal::GetCapturedStdout());
}

// gtest names from the rows' names.
struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};
