#include "replay/ReplayCheck.h"
#include "replay/ReplayPlayback.h"
#include "replay/ReplayScripts.h"

#include <gtest/gtest.h>

namespace {

// Steps played over `seconds` of frames of `frame` s.
int stepsOver(ReplayPlayback& playback, float frame, float seconds)
{
    int steps = 0;
    for (int i = 0; i < static_cast<int>(seconds / frame + 0.5f); ++i)
        steps += stepsForFrame(playback, frame);
    return steps;
}

ReplayPlayback playbackOf(std::uint32_t steps)
{
    ReplayPlayback playback;
    playback.lastStep = steps;
    return playback;
}

}  // namespace

// A second of frames at any rate plays 300 steps times the speed; a long
// frame counts as 0.25 s; pause plays nothing; the end is never passed.
TEST(ReplayPlayback, FramesBecomeWholeSteps)
{
    for (float frame : {1.f / 25.f, 1.f / 60.f, 1.f / 144.f, 1.f / 300.f, 1.f / 1000.f})
        for (int speed = 0; speed < playbackSpeedCount; ++speed) {
            ReplayPlayback playback = playbackOf(100000);
            playback.speed = speed;
            const int steps = stepsOver(playback, frame, 2.f);
            EXPECT_NEAR(steps, 600 * playbackSpeeds[speed], 1.0) << frame << " s at speed " << speed;
        }
    ReplayPlayback playback = playbackOf(1000);
    EXPECT_EQ(stepsForFrame(playback, 3.f), 75);
    applyCommand(playback, PlaybackCommand::Pause);
    EXPECT_EQ(stepsForFrame(playback, 0.1f), 0);
    applyCommand(playback, PlaybackCommand::Pause);
    for (int i = 0; i < 3; ++i)
        applyCommand(playback, PlaybackCommand::Faster);
    EXPECT_EQ(playback.speed, playbackSpeedCount - 1);
    EXPECT_EQ(stepsOver(playback, 0.25f, 5.f), 925);
    EXPECT_TRUE(playbackOver(playback));
    const PlaybackRequest restart = applyCommand(playback, PlaybackCommand::Restart);
    EXPECT_TRUE(restart.restart);
    EXPECT_EQ(playback.step, 0u);
    EXPECT_EQ(playback.speed, playbackSpeedCount - 1);  // the chosen speed stays
}

// Keys and the pad reach the same commands; the direction pad gives one
// command per push.
TEST(ReplayPlayback, KeysAndPadMapToCommands)
{
    EXPECT_EQ(keyCommand(sf::Keyboard::Space), PlaybackCommand::Pause);
    EXPECT_EQ(keyCommand(sf::Keyboard::Left), PlaybackCommand::Slower);
    EXPECT_EQ(keyCommand(sf::Keyboard::Right), PlaybackCommand::Faster);
    EXPECT_EQ(keyCommand(sf::Keyboard::R), PlaybackCommand::Restart);
    EXPECT_EQ(keyCommand(sf::Keyboard::Escape), PlaybackCommand::Leave);
    EXPECT_EQ(keyCommand(sf::Keyboard::J), PlaybackCommand::None);
    EXPECT_EQ(padButtonCommand(0), PlaybackCommand::Pause);
    EXPECT_EQ(padButtonCommand(1), PlaybackCommand::Leave);
    EXPECT_EQ(padButtonCommand(6), PlaybackCommand::Restart);
    DpadLatch latch;
    std::vector<PlaybackCommand> given;
    for (float povX : {0.f, 100.f, 100.f, 50.f, 0.f, 100.f, -100.f, -100.f})
        given.push_back(dpadCommand(latch, povX));
    EXPECT_EQ(given, (std::vector<PlaybackCommand>{PlaybackCommand::None, PlaybackCommand::Faster,
                                                    PlaybackCommand::None, PlaybackCommand::None,
                                                    PlaybackCommand::None, PlaybackCommand::Faster,
                                                    PlaybackCommand::Slower, PlaybackCommand::None}));
    ReplayPlayback playback = playbackOf(10);
    EXPECT_TRUE(applyCommand(playback, PlaybackCommand::Leave).leave);
    applyCommand(playback, PlaybackCommand::Slower);
    applyCommand(playback, PlaybackCommand::Slower);
    EXPECT_EQ(playback.speed, 0);
}

// The first stored step whose checksum play does not reproduce is named.
TEST(ReplayPlayback, DivergenceNamesTheFirstStepThatDiffers)
{
    const ReplayRecord record = recordScript(personScript(1000, 8), jungleHeader());
    std::vector<std::uint64_t> computed = record.checksums;
    EXPECT_FALSE(firstDivergence(record, computed, record.finalChecksum).diverged);
    EXPECT_EQ(divergenceMessage(firstDivergence(record, computed, 5)),
              "play diverged by step 1000 (3.33 s in); it still agreed at step 900");
    computed[1] ^= 1;
    EXPECT_EQ(divergenceMessage(firstDivergence(record, computed, record.finalChecksum)),
              "play diverged by step 600 (2.00 s in); it still agreed at step 300");
    computed.clear();
    const Divergence early = firstDivergence(record, computed, record.finalChecksum);
    EXPECT_EQ(early.step, 300u);
    EXPECT_EQ(divergenceMessage(early), "play diverged by step 300 (1.00 s in)");
    EXPECT_EQ(startPlayback(record).lastStep, 1000u);
}
