#include "replay/LevelFiles.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayRecorder.h"
#include "replay/ReplayScripts.h"
#include "fighters/Character.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

static_assert(replayKindCount == kindCount, "a replay holds every fighter kind");

namespace {

// Plays the record's inputs back as the fight scene will.
std::vector<StepInputs> playedBack(const ReplayRecord& record)
{
    std::vector<StepInputs> script;
    ReplayInputs inputs(record.runs);
    StepInputs step;
    while (inputs.next(step[0], step[1]))
        script.push_back(step);
    EXPECT_EQ(inputs.step(), record.finalStep);
    inputs.restart();  // playback's restart: from the first step again
    EXPECT_EQ(inputs.next(step[0], step[1]), !script.empty());
    EXPECT_TRUE(script.empty() || step == script.front());
    return script;
}

}  // namespace

// Random play, on the Jungle and on a custom level whose files the replay
// keeps: read back, it is the same record and gives the same buttons at
// every step, and the custom level's files outlive its folder.
TEST(ReplayFile, RoundTripKeepsEveryStepAndTheCustomLevel)
{
    enterEmptyFolder();
    const std::string level = writeCustomLevel("Cliffs");
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        const int steps = static_cast<int>(random() % 4000);
        std::vector<StepInputs> script = personScript(steps, seed);
        if (seed == 3)
            script.resize(script.size() + 70000);  // a long still stretch: one run of many steps
        ReplayHeader header = seed == 2 ? customHeader(level) : jungleHeader();
        header.mode = seed == 3 ? ReplayMode::Caa : ReplayMode::Classic;
        header.seed = random();
        const ReplayRecord record = recordScript(script, header, seed != 1);
        const DecodedReplay read = decodeReplay(encodeReplay(record));
        ASSERT_EQ(read.problem, "");
        EXPECT_TRUE(read.record == record);
        EXPECT_EQ(read.record.header.finished, seed != 1);
        EXPECT_EQ(read.record.checksums.size(), script.size() / replayChecksumEvery);
        EXPECT_TRUE(playedBack(read.record) == script) << "seed " << seed;
    }
    // The kept files: the level file, three sections (the twice-named one
    // once) and the missing fourth as absent, all as read.
    const std::vector<ReplayLevelFile> files = readLevelFiles(level);
    ASSERT_EQ(files.size(), 5u);
    EXPECT_EQ(files[2].bytes, uniformSection(60, 1));
    EXPECT_FALSE(files[4].present);
    const std::string bytes = encodeReplay(recordScript(personScript(600, 9), customHeader(level)));
    std::filesystem::remove_all("Assets/Map/Custom/Cliffs");
    const DecodedReplay afterDeletion = decodeReplay(bytes);
    ASSERT_EQ(afterDeletion.problem, "");
    EXPECT_TRUE(afterDeletion.record.header.levelFiles == files);
    EXPECT_EQ(afterDeletion.record.header.levelName, "Cliffs");
    const ReplayLevelFile* section = storedLevelFile(afterDeletion.record.header, "Assets/Map/Custom/Cliffs/Map2.txt");
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->bytes, uniformSection(60, 2));
    EXPECT_NE(levelHash(readLevelFiles(level)), afterDeletion.record.header.levelHash);
}

// The level hash sees every byte and every absent file; the installed
// Jungle is checked against the replay's by name.
TEST(ReplayFile, LevelHashTellsLevelsApart)
{
    enterEmptyFolder();
    const std::string level = writeCustomLevel("Cliffs");
    const std::uint64_t hash = levelHash(readLevelFiles(level));
    EXPECT_EQ(levelHash(readLevelFiles(level)), hash);
    writeTestFile("Assets/Map/Custom/Cliffs/Map3.txt", "");  // the missing section now empty
    const std::uint64_t withEmpty = levelHash(readLevelFiles(level));
    EXPECT_NE(withEmpty, hash);
    std::string section = uniformSection(60, 1);
    section[100] ^= 1;
    writeTestFile("Assets/Map/Custom/Cliffs/Map1.txt", section);
    EXPECT_NE(levelHash(readLevelFiles(level)), withEmpty);

    enterFreshRunFolder();  // the installed levels: every file found, each its own hash
    const std::string junglePath = "Assets/Map/Officiel/Jungle/Jungle.txt";
    ReplayHeader header = matchHeader(ReplayMode::Classic, junglePath, false, 0, 1, 5);
    const std::vector<ReplayLevelFile> jungle = readLevelFiles(junglePath);
    const std::vector<ReplayLevelFile> caa = readLevelFiles("assets/map/officiel/caa/caa.txt");
    EXPECT_EQ(header.levelName, "Jungle");
    EXPECT_TRUE(header.levelFiles.empty());
    EXPECT_GE(jungle.size(), 2u);
    EXPECT_EQ(caa.size(), 2u);
    for (const ReplayLevelFile& file : jungle)
        EXPECT_TRUE(file.present && !file.bytes.empty()) << file.name;
    EXPECT_NE(levelHash(jungle), levelHash(caa));
    EXPECT_EQ(levelMismatch(header, jungle), "");
    header.levelHash = hash;
    EXPECT_EQ(levelMismatch(header, jungle),
              "was recorded on another version of the level \"Jungle\" than the one installed; it cannot be "
              "played back");
    header.customLevel = true;
    EXPECT_EQ(levelMismatch(header, jungle), "");  // a custom replay plays its own files
}

// Five minutes of two people's play fit in 20 KB; the longest replay the
// recorder makes (30 minutes, new buttons every step, 2 MiB of level) still
// fits the reader's 4 MiB and reads back.
TEST(ReplayFile, SizesStayWithinTheirBounds)
{
    const int fiveMinutes = 5 * 60 * replayStepsPerSecond;
    const std::string match = encodeReplay(recordScript(personScript(fiveMinutes, 7), jungleHeader()));
    EXPECT_LE(match.size(), 20u * 1024u);
    std::printf("a 5-minute match: %zu bytes; a 10-second one: %zu bytes\n", match.size(),
                encodeReplay(recordScript(personScript(3000, 7), jungleHeader())).size());

    ReplayHeader header = jungleHeader();
    header.customLevel = true;
    for (int i = 0; i < 4; ++i)
        header.levelFiles.push_back(
            {"Map" + std::to_string(i) + ".txt", true, std::string(replayMaxLevelBytes / 4, '1')});
    header.levelHash = levelHash(header.levelFiles);
    ReplayRecorder recorder(header);
    for (std::uint32_t step = 0; step <= static_cast<std::uint32_t>(replayMaxSteps); ++step)
        if (recorder.addStep(FightInput{static_cast<std::uint16_t>(step & 1)}, FightInput{0x7F}))
            recorder.addChecksum(standInChecksum(step));
    const std::string longest = encodeReplay(recorder.finish(true, 0));
    EXPECT_LE(longest.size(), maxReplayBytes);
    std::printf("the longest replay: %zu bytes\n", longest.size());
    const DecodedReplay read = decodeReplay(longest);
    EXPECT_EQ(read.problem, "");
    EXPECT_FALSE(read.record.header.finished);  // cut at 30 minutes
    EXPECT_EQ(read.record.finalStep, static_cast<std::uint32_t>(replayMaxSteps));
}

// Every cut and every flipped bit of a replay is refused with one line.
TEST(ReplayFile, EveryCutAndEveryFlippedBitIsRefused)
{
    const std::string bytes = encodeReplay(recordScript(personScript(700, 5), jungleHeader()));
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_NE(decodeReplay(bytes.substr(0, size)).problem, "") << "cut at " << size;
    for (std::size_t bit = 0; bit < bytes.size() * 8; ++bit) {
        std::string flipped = bytes;
        flipped[bit / 8] = static_cast<char>(flipped[bit / 8] ^ (1 << (bit % 8)));
        const DecodedReplay read = decodeReplay(flipped);
        ASSERT_NE(read.problem, "") << "bit " << bit;
        EXPECT_EQ(read.problem.find('\n'), std::string::npos);
    }
}

// Replays written by earlier builds still read, and this build writes the
// newest format byte for byte: a change of the format that does not raise
// replayFormatVersion fails here.
TEST(ReplayFile, FilesOfEveryFormatStillRead)
{
    const auto formatTwo = [](ReplayRecord record, std::uint32_t curtainSteps) {
        record.header.curtainSteps = curtainSteps;
        record.header.startWorld = {1, 2, 3};
        return record;
    };
    const std::pair<const char*, ReplayRecord> samples[] = {
        {"Format1Jungle.kfr", formatSampleJungle()},
        {"Format1Custom.kfr", formatSampleCustom()},
        {"Format2Jungle.kfr", formatTwo(formatSampleJungle(), 123)},
        {"Format2Custom.kfr", formatTwo(formatSampleCustom(), 7)}};
    for (const auto& [name, record] : samples) {
        const std::string bytes = readTestFile(std::string(KESTRELFALL_SOURCE_DIR "/tests/data/replay/") + name);
        const DecodedReplay read = decodeReplay(bytes);
        EXPECT_EQ(read.problem, "") << name;
        EXPECT_TRUE(read.record == record) << name;
        if (std::string(name).find("Format2") == 0)
            EXPECT_EQ(encodeReplay(record), bytes) << name;
    }
}

// The recorder keeps a checksum's place when the caller skips it, masks
// unknown buttons, and ends a cut match at its last checksum.
TEST(ReplayFile, RecorderKeepsChecksumsInPlace)
{
    ReplayRecorder recorder(jungleHeader());
    for (std::uint32_t step = 1; step <= 1000; ++step)
        if (recorder.addStep(FightInput{0xFF}, FightInput{}) && step != 600)
            recorder.addChecksum(standInChecksum(step));
    recorder.addChecksum(1);  // not due: ignored
    const ReplayRecord record = recorder.finish(true, 42);
    EXPECT_EQ(record.checksums,
              (std::vector<std::uint64_t>{standInChecksum(300), 0, standInChecksum(900)}));
    EXPECT_EQ(record.finalChecksum, 42u);
    ASSERT_EQ(record.runs.size(), 1u);
    EXPECT_EQ(record.runs[0].p1.buttons, fightButtonMask);
    EXPECT_EQ(replayRecordProblem(record), "");
}
