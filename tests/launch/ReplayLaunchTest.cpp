#include "launch/ReplayLaunch.h"

#include <gtest/gtest.h>

// --replay and --check-replay take exactly one file; anything else with them
// is a bad command line with one line saying why, and other words are left
// to the fight options.
TEST(ReplayLaunch, EachOptionTakesExactlyOneFile)
{
    EXPECT_EQ(parseReplayLaunch({}).kind, ReplayLaunchKind::None);
    EXPECT_EQ(parseReplayLaunch({"--fight", "classic"}).kind, ReplayLaunchKind::None);
    const ReplayLaunch watch = parseReplayLaunch({"--replay", "Replays/a.kfr"});
    EXPECT_EQ(watch.kind, ReplayLaunchKind::Watch);
    EXPECT_EQ(watch.path, "Replays/a.kfr");
    EXPECT_EQ(parseReplayLaunch({"--check-replay", "b.kfr"}).kind, ReplayLaunchKind::Check);
    const ReplayLaunch bad[] = {parseReplayLaunch({"--replay"}), parseReplayLaunch({"--check-replay", "a", "b"}),
                                parseReplayLaunch({"--replay", ""}), parseReplayLaunch({"--replay", "a", "--headless"})};
    for (const ReplayLaunch& launch : bad) {
        EXPECT_EQ(launch.kind, ReplayLaunchKind::Bad);
        EXPECT_EQ(launch.error.rfind("kestrelfall: --", 0), 0u) << launch.error;
    }
}
