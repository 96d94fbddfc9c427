// Two sides of an online match in one process, through seeded delay, jitter
// and loss: both must end on the world the same buttons give without any
// network, having rolled back on the way.
#include "net/NetPair.h"

#include "net/MatchRecording.h"
#include "net/PeerSilence.h"
#include "replay/ReplayFile.h"
#include "world/WorldBytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::uint32_t twoMinutes = 120 * 300;  // steps
constexpr std::uint32_t killRaceSteps = 40 * 300;

// Both sides agree on every button and checksum, and so does local play.
// The sounds of the match.
std::size_t expectSameMatch(NetPair& pair, const FightChoice& plan, std::uint32_t steps)
{
    for (int i = 0; i < 2; ++i) {
        const RollbackSession& s = pair.sides[i]->session;
        EXPECT_FALSE(s.desync()) << "side " << i;
        if (s.confirmedSteps() != steps) {
            ADD_FAILURE() << "side " << i << " confirmed " << s.confirmedSteps() << " steps";
            return 0;
        }
    }
    std::vector<FightInput> inputs[2];
    for (int p = 0; p < 2; ++p) {
        const auto& a = pair.sides[0]->session.inputs(p);
        const auto& b = pair.sides[1]->session.inputs(p);
        inputs[p].assign(a.begin(), a.begin() + steps);
        EXPECT_TRUE(std::equal(inputs[p].begin(), inputs[p].end(), b.begin())) << "player " << p;
    }
    const LocalResult local = playLocally(plan, inputs, steps);
    for (int i = 0; i < 2; ++i) {
        const FightWorld& world = pair.sides[i]->world;
        EXPECT_EQ(checksum(world), local.checksum) << "side " << i;
        EXPECT_EQ(fightWinner(world), local.winner) << "side " << i;
        EXPECT_EQ(pair.sides[i]->cues, local.cues) << "side " << i << ": sounds handed on once, as confirmed";
    }
    return local.cues.size();
}

void report(const char* what, const NetPair& pair)
{
    for (int i = 0; i < 2; ++i) {
        const RollbackSession& s = pair.sides[i]->session;
        const SessionCounters& c = s.counters();
        std::printf("%s side %d: %llu rollbacks, %llu steps played again, %llu waits, %llu dropped, %llu of %llu lost\n",
                    what, i, static_cast<unsigned long long>(c.rollbacks), static_cast<unsigned long long>(c.reSteps),
                    static_cast<unsigned long long>(c.waits), static_cast<unsigned long long>(s.drops().total),
                    static_cast<unsigned long long>(pair.sides[i]->shim.lost()),
                    static_cast<unsigned long long>(pair.sides[i]->shim.sent()));
    }
}

class OnlineClassic : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(OnlineClassic, TwoMinutesEndAsLocalPlayThroughDelayJitterAndLoss)
{
    const int delayMs = GetParam();
    ShimSettings shim;
    shim.delayMs = delayMs;
    shim.jitterMs = delayMs / 5;
    shim.lossPercent = delayMs > 0 ? 5 : 0;
    shim.seed = 40 + static_cast<std::uint64_t>(delayMs);
    FightChoice plan;
    plan.seed = 7;
    NetPair pair(plan, shim);
    // Two minutes of play take 7200 frames; waiting may stretch them a little.
    ASSERT_TRUE(pair.playTo(twoMinutes, 9000));
    report(("classic " + std::to_string(delayMs) + " ms").c_str(), pair);
    expectSameMatch(pair, plan, twoMinutes);
    for (int i = 0; i < 2 && delayMs > 0; ++i)
        EXPECT_GT(pair.sides[i]->session.counters().rollbacks, 0u);
    EXPECT_LT(pair.frames, delayMs >= 150 ? 8400u : 7300u) << "waited too often";
}

INSTANTIATE_TEST_SUITE_P(Delays, OnlineClassic, ::testing::Values(0, 50, 100, 150));

TEST(OnlineMatch, ALongerInputDelayMeansShorterCorrections)
{
    constexpr std::uint32_t twentySeconds = 20 * 300;
    ShimSettings shim;
    shim.delayMs = 100;
    shim.jitterMs = 10;
    FightChoice plan;
    std::uint64_t reSteps[3] = {};
    for (int frames : {0, 2, 4}) {
        SCOPED_TRACE(frames);
        NetPair pair(plan, shim, frames);
        ASSERT_TRUE(pair.playTo(twentySeconds, 1500));
        expectSameMatch(pair, plan, twentySeconds);
        reSteps[frames / 2] = pair.sides[0]->session.counters().reSteps + pair.sides[1]->session.counters().reSteps;
    }
    EXPECT_GT(reSteps[0], reSteps[1]);
    EXPECT_GT(reSteps[1], reSteps[2]);
}

TEST(OnlineMatch, KillRaceAt100MsEndsWithTheLocalWinner)
{
    ShimSettings shim;
    shim.delayMs = 100;
    shim.jitterMs = 20;
    shim.lossPercent = 5;
    FightChoice plan;
    plan.caa = true;
    plan.seed = 3;
    NetPair pair(plan, shim);
    ASSERT_TRUE(pair.playTo(killRaceSteps, 3000));
    report("kill race 100 ms", pair);
    EXPECT_GE(expectSameMatch(pair, plan, killRaceSteps), 6u);
    EXPECT_GE(fightWinner(pair.sides[0]->world), 0) << "the race should be decided within 40 s";
}

TEST(OnlineMatch, ASideThatStartsLateIsWaitedForThenCaughtUpWith)
{
    ShimSettings shim;
    shim.delayMs = 60;
    shim.jitterMs = 10;
    FightChoice plan;
    NetPair pair(plan, shim);
    pair.sides[1]->startsAtFrame = 45;  // 0.75 s late
    // Side 0 guesses its 150 ms ahead, then waits; then gives back a step a
    // frame until both play in step.
    for (int f = 0; f < 60 * 4; ++f)
        pair.frame(twoMinutes);
    const RollbackSession& early = pair.sides[0]->session;
    const std::uint64_t waited = early.counters().waits;
    const std::uint64_t rollbacks = early.counters().rollbacks;
    const std::uint64_t reSteps = early.counters().reSteps;
    EXPECT_GT(waited, 30u);
    for (int f = 0; f < 60 * 6; ++f) {
        pair.frame(twoMinutes);
        EXPECT_LE(std::abs(static_cast<int>(early.steps()) - static_cast<int>(pair.sides[1]->session.steps())),
                  2 * netStepsPerFrame + aheadSlackSteps) << "frame " << pair.frames;
    }
    EXPECT_EQ(early.counters().waits, waited) << "no more waiting once caught up";
    const double meanReSteps = static_cast<double>(early.counters().reSteps - reSteps) /
                               static_cast<double>(early.counters().rollbacks - rollbacks);
    EXPECT_LT(meanReSteps, 30.0) << "corrections as short as the delay makes them, not the 150 ms limit";
    EXPECT_FALSE(early.desync());
}

TEST(OnlineMatch, AForcedMismatchIsSeenOnBothSidesWithinASecondOfPlayAndBothKeepAReplay)
{
    constexpr std::uint32_t brokenAt = 400;  // the first checksum after it is at step 600
    ShimSettings shim;
    shim.delayMs = 50;
    FightChoice plan;
    NetPair pair(plan, shim);
    // Side 1 plays one step differently from side 0, every time it plays it.
    NetStepFunction fair = worldStep(pair.sides[1]->keepEvents());
    pair.sides[1]->session = RollbackSession(1, 2, [fair](FightWorld& world, const FightInput in[2], std::uint32_t s) {
        fair(world, in, s);
        if (s == brokenAt)
            world.match.matchTimer += 0.5f;
    });
    MatchSetup setup;
    setup.levelName = "Jungle";
    setup.seed = plan.seed;
    MatchRecording recordings[2] = {MatchRecording(replayHeaderOf(setup, "Assets/Map/Officiel/Jungle/Jungle.txt")),
                                    MatchRecording(replayHeaderOf(setup, "Assets/Map/Officiel/Jungle/Jungle.txt"))};
    for (int f = 0; f < 600 && !(pair.sides[0]->session.desync() && pair.sides[1]->session.desync()); ++f) {
        pair.frame(twoMinutes);
        for (int i = 0; i < 2; ++i)
            recordings[i].follow(pair.sides[i]->session);
    }
    ReplayRecord records[2];
    for (int i = 0; i < 2; ++i) {
        const RollbackSession& s = pair.sides[i]->session;
        ASSERT_TRUE(s.desync()) << "side " << i;
        EXPECT_EQ(s.desync()->step, 600u);
        EXPECT_NE(s.desync()->ours, s.desync()->theirs);
        EXPECT_LE(s.steps(), brokenAt + 300) << "side " << i << " saw it late";
        // Its replay: a file the game can read, the same buttons on both sides,
        // the checksums apart from the second that went wrong on.
        records[i] = recordings[i].finish(false, checksum(s.confirmedWorld(pair.sides[i]->world)));
        const DecodedReplay read = decodeReplay(encodeReplay(records[i]));
        ASSERT_EQ(read.problem, "") << "side " << i;
        EXPECT_EQ(read.record, records[i]);
        ASSERT_GE(records[i].checksums.size(), 2u);
    }
    // Each side stopped where it saw the mismatch: the steps both confirmed are the same.
    const auto stepsOf = [](const ReplayRecord& record) {
        std::vector<std::pair<std::uint16_t, std::uint16_t>> steps;
        for (const ReplayRun& run : record.runs)
            steps.insert(steps.end(), run.steps, {run.p1.buttons, run.p2.buttons});
        return steps;
    };
    const auto a = stepsOf(records[0]), b = stepsOf(records[1]);
    const std::size_t common = std::min(a.size(), b.size());
    EXPECT_GE(common, 600u);
    EXPECT_TRUE(std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(common), b.begin()));
    EXPECT_EQ(records[0].checksums[0], records[1].checksums[0]);
    EXPECT_NE(records[0].checksums[1], records[1].checksums[1]);
    std::vector<FightInput> inputs[2] = {pair.sides[0]->session.inputs(0), pair.sides[0]->session.inputs(1)};
    EXPECT_EQ(playLocally(plan, inputs, 600).checksum, records[0].checksums[1]) << "side 0 played fair";
}

TEST(OnlineMatch, ASilentPeerIsLostWithinSixSecondsAndTheOtherSideWaits)
{
    FightChoice plan;
    NetPair pair(plan, ShimSettings{30, 5, 0, 9});
    double lostAt = -1.0;
    double silentFrom = -1.0;
    // Side 1 stops sending after 3 s; side 0 listens on the simulated clock.
    for (int f = 0; f < 60 * 12 && lostAt < 0.0; ++f) {
        if (pair.frames == 180) {
            pair.sides[1]->sending = false;
            silentFrom = pair.now();
        }
        pair.frame(twoMinutes);
        if (pair.sides[0]->silence.lost(pair.now()))
            lostAt = pair.now();
    }
    ASSERT_GE(lostAt, 0.0);
    EXPECT_GT(lostAt - silentFrom, peerSilenceLimit);
    EXPECT_LT(lostAt - silentFrom, 6.0);
    // Side 0 played at most its 150 ms of guesses past what it heard, then waited.
    const RollbackSession& s = pair.sides[0]->session;
    EXPECT_LE(s.steps(), s.inputs(1).size() + maxPredictedSteps);
    EXPECT_GT(s.counters().waits, 100u);
}
