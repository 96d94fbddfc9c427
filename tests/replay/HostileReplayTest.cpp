#include "replay/ReplayScripts.h"
#include "replay/ReplayStore.h"
#include "support/HostileFiles.h"

#include <gtest/gtest.h>

// Hostile replay files: each row says what the reader must say; a refused
// replay leaves an empty record.

namespace {

using Row = HostileRow<ReplayRecord>;

const ReplayRecord goodRecord = recordScript(personScript(700, 3), jungleHeader());
const std::string good = encodeReplay(goodRecord);

// Where the fields of a Jungle replay of game version "1.1" lie (see ReplayFile.h).
constexpr std::size_t versionAt = 8, flagsAt = 15, kindsAt = 31, worldSizeAt = 45, stepRateAt = 49,
                      fileCountAt = 51, stepCountAt = 53, runCountAt = 57, firstRunAt = 61;

// `value` written little-endian over `width` bytes at `at`; `reseal` makes the
// closing check sum agree, so that the reader looks at the field itself.
std::string patched(std::string bytes, std::size_t at, std::uint64_t value, int width, bool reseal = true)
{
    for (int i = 0; i < width; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    if (reseal)
        resealReplay(bytes);
    return bytes;
}

std::string withStrayBytes()
{
    std::string bytes = good;
    bytes.insert(bytes.size() - 8, "xyz");
    resealReplay(bytes);
    return bytes;
}

// A custom level replay whose first kept file claims 2 GiB.
std::string lyingLevelFile()
{
    ReplayHeader header = jungleHeader();
    header.customLevel = true;
    header.levelFiles = {{"L.txt", true, "3 3776 64"}};
    const std::string bytes = encodeReplay(recordScript(personScript(10, 1), header));
    return patched(bytes, fileCountAt + 2 + 1 + 5 + 1, 0x7FFFFFFF, 4);
}

void refused(const ReplayRecord& record)
{
    EXPECT_EQ(record.finalStep, 0u);
    EXPECT_TRUE(record.runs.empty());
}

const Row replayRows[] = {
    {"Good", bytesFile(good), [](const ReplayRecord& record) { EXPECT_TRUE(record == goodRecord); }, "", ""},
    {"Missing", missingFile(), refused, "replay.kfr: is missing", ""},
    {"FolderInPlace", folderInstead(), refused, "cannot be read (a folder", ""},
    {"Empty", bytesFile(""), refused, "is not a replay (it does not start with \"KFREPLAY\")", ""},
    {"ALevelFile", bytesFile("3 3776 64\nMap0.txt\n"), refused, "is not a replay", ""},
    {"RandomBytes", bytesFile(randomBytes(4096)), refused, "is not a replay", ""},
    {"CutInHalf", bytesFile(good.substr(0, good.size() / 2)), refused, "is damaged or cut short", ""},
    {"CutInTheVersion", bytesFile(good.substr(0, 9)), refused, "ends too early, in the format version", ""},
    {"VersionBumped", bytesFile(patched(good, versionAt, 3, 2, false)), refused,
     "was written in replay format 3 by Kestrelfall \"1.1\"; this game (1.1) reads formats 1 to 2 only", ""},
    {"LyingWorldSize", bytesFile(patched(good, worldSizeAt, 0xFFFFFFFF, 4)), refused,
     "claims a starting world of 4294967295 bytes, more than it can hold", ""},
    {"OverLong", fiftyMegabytes(good, "KFREPLAY"), refused, "is larger than 4 MiB", ""},
    {"BitFlipped", bytesFile(patched(good, good.size() / 2, good[good.size() / 2] ^ 0x10, 1, false)), refused,
     "is damaged or cut short: its closing check sum does not match its bytes", ""},
    {"LyingRunCount", bytesFile(patched(good, runCountAt, 0xFFFFFFFF, 4)), refused,
     "claims 4294967295 runs of input, more than it can hold", ""},
    {"LyingStepCount", bytesFile(patched(good, stepCountAt, 90000, 4)), refused, "ends too early, in the checksums",
     ""},
    {"StepsBeyondThirtyMinutes", bytesFile(patched(good, stepCountAt, 0xFFFFFFFF, 4)), refused,
     "holds 4294967295 steps; a replay keeps at most 540000 (30 minutes)", ""},
    {"LyingLevelFileCount", bytesFile(patched(good, fileCountAt, 60000, 2)), refused,
     "claims 60000 level files, more than it can hold", ""},
    {"LyingLevelFileSize", bytesFile(lyingLevelFile()), refused,
     "level file \"L.txt\" claims 2147483647 bytes, but only", ""},
    {"UnknownButtonBits", bytesFile(patched(good, firstRunAt, 0x81, 1)), refused,
     "input run 1 holds button bits this game does not know (128)", ""},
    {"UnknownHeaderFlags", bytesFile(patched(good, flagsAt, 0x41, 1)), refused,
     "has header flags this game does not know (65)", ""},
    {"UnknownFighterKind", bytesFile(patched(good, kindsAt + 1, 9, 1)), refused,
     "P2's fighter kind 9 is not one of the 4", ""},
    {"OtherStepLength", bytesFile(patched(good, stepRateAt, 60, 2)), refused,
     "was played in steps of 1/60 s; this game plays steps of 1/300 s", ""},
    {"StrayBytes", bytesFile(withStrayBytes()), refused, "has 3 stray bytes after its checksums", ""},
};

class HostileReplay : public testing::TestWithParam<Row> {};

}  // namespace

TEST_P(HostileReplay, IsReadOrRefusedWithOneLine)
{
    checkHostileRow(GetParam(), "replay.kfr", [](ReplayRecord& record) {
        const DecodedReplay read = readReplayFile("replay.kfr");
        record = read.record;
        return read.problem.empty() ? Problems{} : Problems{{0, read.problem}};
    });
}

INSTANTIATE_TEST_SUITE_P(Table, HostileReplay, testing::ValuesIn(replayRows), RowName());
