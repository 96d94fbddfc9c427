#include "replay/ReplayScripts.h"
#include "replay/ReplayStore.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

// 2026-12-07 00:00:00 local time, plus `seconds`.
std::time_t at(int seconds)
{
    std::tm when{};
    when.tm_year = 126, when.tm_mon = 11, when.tm_mday = 7, when.tm_isdst = -1;
    return std::mktime(&when) + seconds;
}

}  // namespace

// Replays are named after the time, the mode and the level (made safe for a
// file name), read back whole, and only the newest 50 of the game's own stay;
// a file the player put in the folder is left alone.
TEST(ReplayStore, KeepsTheNewestFiftyUnderSafeNames)
{
    enterEmptyFolder();
    writeTestFile("Replays/from a friend.kfr", "kept");
    ReplayRecord record = recordScript(personScript(900, 4), jungleHeader());
    record.header.mode = ReplayMode::Caa;
    record.header.levelName = "My level: 2";
    SavedReplay first = saveReplay(record, at(0));
    EXPECT_EQ(first.problem, "");
    EXPECT_EQ(fs::path(first.path).filename(), "2026-12-07_00-00-00_caa_My_level__2.kfr");
    EXPECT_TRUE(readReplayFile(first.path).record == record);
    EXPECT_EQ(fs::path(saveReplay(record, at(0)).path).filename(), "2026-12-07_00-00-00_caa_My_level__2-2.kfr");

    record.header.levelName = "Jungle";
    for (int match = 1; match <= 55; ++match)
        EXPECT_EQ(saveReplay(record, at(match * 61)).problem, "");
    const std::vector<std::string> kept = listReplays();
    ASSERT_EQ(kept.size(), keptReplays);
    EXPECT_EQ(fs::path(kept.front()).filename(), "2026-12-07_00-55-55_caa_Jungle.kfr");
    EXPECT_EQ(fs::path(kept.back()).filename(), "2026-12-07_00-06-06_caa_Jungle.kfr");
    EXPECT_EQ(readTestFile("Replays/from a friend.kfr"), "kept");
    EXPECT_FALSE(fs::exists("Replays/2026-12-07_00-05-05_caa_Jungle.kfr.new"));
}

// A read-only folder, a write cut short, or a file where the folder should
// be: nothing is written, and one line names the file and the reason.
TEST(ReplayStore, AFolderThatCannotBeWrittenIsOneMessage)
{
    enterEmptyFolder();
    const ReplayRecord record = recordScript(personScript(300, 4), jungleHeader());
    fs::create_directory("Replays");
    fs::permissions("Replays", fs::perms::owner_read | fs::perms::owner_exec);
    const SavedReplay readOnly = saveReplay(record, at(0));
    fs::permissions("Replays", fs::perms::owner_all);
    EXPECT_EQ(readOnly.path, "");
    EXPECT_EQ(readOnly.problem, "Replays/2026-12-07_00-00-00_classic_Jungle.kfr: could not be written (Permission "
                                "denied); this match's replay is not kept");
    EXPECT_TRUE(fs::is_empty("Replays"));

    // A write that fails half way (as on a full disk) leaves no file behind.
    struct rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    struct rlimit small = limit;
    small.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const SavedReplay cut = saveReplay(record, at(0));
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(cut.problem, "Replays/2026-12-07_00-00-00_classic_Jungle.kfr: could not be written (File too "
                           "large); this match's replay is not kept");
    EXPECT_TRUE(fs::is_empty("Replays"));

    fs::remove("Replays");
    writeTestFile("Replays", "a file");
    EXPECT_EQ(saveReplay(record, at(0)).problem, "Replays/2026-12-07_00-00-00_classic_Jungle.kfr: could not be "
                                                 "written (Not a directory); this match's replay is not kept");
    ReplayRecord broken = record;
    broken.header.kinds[0] = 7;
    EXPECT_EQ(saveReplay(broken, at(0), "Elsewhere").problem,
              "Elsewhere/2026-12-07_00-00-00_classic_Jungle.kfr: is not written: the replay P1's fighter kind 7 is "
              "not one of the 4");
}
