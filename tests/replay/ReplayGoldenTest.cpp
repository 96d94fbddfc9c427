// The golden replay: a Jungle match of more than a minute with section
// crossings, a flag picked up and carried home, recorded once by the
// computer opponent, strong against weak, and kept in tests/data/replay/.
#include "match/JungleMatch.h"
#include "opponent/FightView.h"

#include "opponent/Opponent.h"
#include "replay/ReplayCheck.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayStore.h"
#include "replay/WorldReplay.h"
#include "world/FightWorld.h"
#include "world/JungleGround.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

const char* const goldenReplay = KESTRELFALL_SOURCE_DIR "/tests/data/replay/GoldenJungle.kfr";

}  // namespace

TEST(ReplayGolden, JungleMatchReplaysToItsStoredChecksums)
{
    const InRunFolder runFolder;
    const DecodedReplay read = readReplayFile(goldenReplay);
    ASSERT_EQ(read.problem, "");
    const ReplayRecord& record = read.record;
    FightWorld world;
    WorldReplay replay;
    ASSERT_EQ(startWorldReplay(replay, world, jungleGround(), record, ""), "");
    const int firstSection = world.sectionIndex;
    bool crossed = false, pickedUp = false;
    while (stepWorldReplay(replay, world)) {
        crossed = crossed || world.sectionIndex != firstSection;
        pickedUp = pickedUp || world.flags[0].carried || world.flags[1].carried;
    }
    const Divergence divergence = firstDivergence(record, replay.checksums, replay.finalChecksum);
    EXPECT_FALSE(divergence.diverged)
        << divergenceMessage(divergence)
        << ".\nA change of the fight's rules that changes this match must record the golden replay anew, on "
           "purpose:\n  kestrelfall_tests --gtest_also_run_disabled_tests "
           "--gtest_filter=ReplayGolden.DISABLED_RecordTheGoldenReplay";
    EXPECT_GE(record.finalStep, 60u * 300u);
    EXPECT_TRUE(crossed);
    EXPECT_TRUE(pickedUp);
    EXPECT_TRUE(world.match.flagTaken) << "won by a capture";
    EXPECT_TRUE(replay.won);
}

// Run on purpose only: records the golden replay anew.
TEST(ReplayGolden, DISABLED_RecordTheGoldenReplay)
{
    JungleMatch f;
    Game& game = f.game;
    game.replay.folder.clear();
    Opponent opponents[2] = {makeOpponent(Strength::Hard, 2024, 0), makeOpponent(Strength::Easy, 7, 1)};
    game.scriptedButtons.playing = true;
    for (int step = 0; step < 300 * 300 && game.state == SceneState::Fight; ++step) {
        for (int i = 0; i < 2; ++i)
            game.scriptedButtons.inputs[i] = decideInput(opponents[i], viewOfFight(game.world));
        f.frames(1, 1.f / 300.f);
    }
    ASSERT_EQ(game.state, SceneState::Victory);
    ASSERT_TRUE(game.replay.lastMatch);
    std::ofstream(goldenReplay, std::ios::binary) << encodeReplay(*game.replay.lastMatch);
    std::cout << "recorded " << game.replay.lastMatch->finalStep << " steps\n";
}
