#include "fighters/CharacterFile.h"
#include "support/HostileFiles.h"

#include <gtest/gtest.h>

// Hostile character files: the frame list is bounded by what the file holds,
// and every clip read stays inside the frames and has a length.

namespace {

using Row = HostileRow<CharacterRecord>;
using Paths = std::vector<std::string>;

const std::string pictures = "a.png\nb.png\nc.png\n";
const std::string clips = "ANIM IDLE 0 3 0.3 LOOP\nANIM ATTACKING 1 3 0.2 ONCE\n";
const std::string good = "SPRITES 3\n" + pictures + clips;

std::string repeatedBlocks(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += good;
    return text;
}

std::string withIdle(const std::string& idleLine)
{
    return "SPRITES 3\n" + pictures + idleLine + "\n";
}

std::string withCount(const std::string& count)
{
    return "SPRITES " + count + "\n" + pictures + clips;
}

const Animation& clipOf(const CharacterRecord& record, AnimState state)
{
    return record.clips[static_cast<std::size_t>(state)];
}

// Frames `frames`; IDLE shows first..last over `length` s in `mode`.
std::function<void(const CharacterRecord&)> framesAndIdle(Paths frames, int first, int last, float length,
                                                          int mode = 0)
{
    return [=](const CharacterRecord& record) {
        EXPECT_EQ(record.framePaths, frames);
        const Animation& idle = clipOf(record, AnimState::IDLE);
        EXPECT_EQ(idle.first, first);
        EXPECT_EQ(idle.last, last);
        EXPECT_FLOAT_EQ(idle.duration, length);
        EXPECT_EQ(idle.mode, mode);
    };
}

const Paths abc = {"a.png", "b.png", "c.png"};
const auto asGood = framesAndIdle(abc, 0, 3, 0.3f);
const auto noFrames = [](const CharacterRecord& record) { EXPECT_TRUE(record.framePaths.empty()); };

const Row characterRows[] = {
    {"Missing", missingFile(), noFrames, "is missing; the fighter is drawn as a box", "Error Loading C.txt\n"},
    {"FolderInPlace", folderInstead(), noFrames, "is a folder, not a file", "Error Loading C.txt\n"},
    {"Empty", bytesFile(""), noFrames, "lists no SPRITES; the fighter is drawn as a box", ""},
    {"RandomBytes", bytesFile(randomBytes(4096)), noFrames, "lists no SPRITES", ""},
    {"CountZero", bytesFile(withCount("0")), framesAndIdle({}, 0, 3, 0.3f),
     "1: SPRITES 0 lists no frames; the fighter is drawn as a box", ""},
    {"CountMinusOne", bytesFile(withCount("-1")), framesAndIdle({}, 0, 3, 0.3f),
     "1: SPRITES is not followed by a frame count; the block is skipped", ""},
    {"CountIntMax", bytesFile(withCount("2147483647")), asGood,
     "SPRITES \"2147483647\" is more than 32767 frames; the rest are ignored", ""},
    {"CountIntMin", bytesFile(withCount("-2147483648")), framesAndIdle({}, 0, 3, 0.3f),
     "SPRITES is not followed by a frame count", ""},
    {"CountHuge", bytesFile(withCount("1e308")), framesAndIdle({}, 0, 3, 0.3f),
     "SPRITES is not followed by a frame count", ""},
    {"CountNan", bytesFile(withCount("nan")), framesAndIdle({}, 0, 3, 0.3f), "SPRITES is not followed by a frame count",
     ""},
    {"CountWord", bytesFile(withCount("three")), framesAndIdle({}, 0, 3, 0.3f),
     "SPRITES is not followed by a frame count", ""},
    {"CountPastThePictures", bytesFile(withCount("5")), asGood, "1: SPRITES 5 lists only 3 pictures", ""},
    {"RepeatedBlocks", bytesFile(repeatedBlocks(200)), asGood,
     "a second SPRITES block replaces the frames listed before", ""},
    {"ZeroLength", bytesFile(withIdle("ANIM IDLE 0 3 0 LOOP")), framesAndIdle(abc, 0, 3, 0.4f),
     "the clip IDLE lasts 0 s; it plays in 0.4 s", ""},
    {"NanLength", bytesFile(withIdle("ANIM IDLE 0 3 nan LOOP")), framesAndIdle(abc, 0, 3, 0.4f),
     "5: \"nan\" is not a length in seconds of the clip IDLE", ""},
    {"FramesPastTheEnd", bytesFile(withIdle("ANIM IDLE 0 99 0.3 ONCE")), framesAndIdle(abc, 0, 3, 0.3f, 1),
     "the clip IDLE shows frames 0 to 99 of 3; it shows 0 to 3", ""},
    {"NegativeFirstFrame", bytesFile(withIdle("ANIM IDLE -7 2 0.3 LOOP")), framesAndIdle(abc, 0, 2, 0.3f),
     "shows frames -7 to 2 of 3; it shows 0 to 2", ""},
    {"FramesBackwards", bytesFile(withIdle("ANIM IDLE 2 1 0.3 LOOP")), framesAndIdle(abc, 2, 3, 0.3f),
     "shows frames 2 to 1 of 3; it shows 2 to 3", ""},
    {"UnknownClip",
     bytesFile(good + "ANIM WALKING 0 1 0.9 ONCE\n"),
     [](const CharacterRecord& record) {
         // Its numbers go to the clip named last, as they always have.
         EXPECT_EQ(clipOf(record, AnimState::ATTACKING).last, 1);
         EXPECT_FLOAT_EQ(clipOf(record, AnimState::ATTACKING).duration, 0.9f);
         EXPECT_EQ(clipOf(record, AnimState::IDLE).last, 3);
     },
     "7: \"WALKING\" is not a clip name; its numbers go to ATTACKING, the clip named before", ""},
    {"BadMode", bytesFile(withIdle("ANIM IDLE 0 3 0.3 TWICE")), framesAndIdle(abc, 0, 3, 0.3f),
     "\"TWICE\" is not LOOP or ONCE; the clip IDLE keeps its mode", ""},
    {"AbsolutePicture", bytesFile("SPRITES 3\n/etc/passwd\nb.png\nc.png\n" + clips),
     framesAndIdle({"", "b.png", "c.png"}, 0, 3, 0.3f),
     "1 picture paths are refused (\"/etc/passwd\" is an absolute path", ""},
    {"ClimbingPicture", bytesFile("SPRITES 3\na.png\n../../b.png\nc.png\n" + clips),
     framesAndIdle({"a.png", "", "c.png"}, 0, 3, 0.3f), "climbs out with \"..\"", ""},
    {"TruncatedMidLine", bytesFile(withIdle("ANIM IDLE 0 3")), framesAndIdle(abc, 0, 3, 0.4f),
     "the clip IDLE ends early", ""},
    {"ByteOrderMarkAndCrlf", bytesFile(byteOrderMark + "SPRITES 3\r\na.png\r\nb.png\r\nc.png\r\nANIM IDLE 0 3 0.3 LOOP\r\n"),
     asGood, "", ""},
    {"FiftyMegabytes", fiftyMegabytes(good, "padding "), asGood,
     "is larger than 4 MiB; only its first 4 MiB are read", ""},
    {"OneMegabyteLine", bytesFile(good + oneLongLine(1u << 18, "abc")), asGood, "", ""},
};

class HostileCharacter : public testing::TestWithParam<Row> {};

}  // namespace

TEST_P(HostileCharacter, KeepsClipsInsideTheFramesThereAre)
{
    checkHostileRow(GetParam(), "C.txt", [](CharacterRecord& record) {
        readCharacterFile("C.txt", record);
        return record.problems;
    });
}

INSTANTIATE_TEST_SUITE_P(Table, HostileCharacter, testing::ValuesIn(characterRows), RowName());
