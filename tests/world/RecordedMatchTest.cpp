// Matches recorded before the fight became one stepped value, at 1/300 s
// frames: the same buttons must still bring the same falls at the same steps
// and the same winner. The buttons come from a fixed script of both players
// reading the world, so they repeat exactly as long as the world does.
#include "match/JungleMatch.h"

#include "app/FightSession.h"
#include "app/Frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Fall {
    long step;  // steps after the fight went live
    int player;
};

std::uint16_t scriptedButtons(const FightWorld& w, int i, long step)
{
    const Player& me = w.players[i];
    const float dx = w.players[1 - i].position.x - me.position.x;
    std::uint16_t b = 0;
    if (i == 0) {
        if (std::fabs(dx) > 110.f)
            b |= dx < 0 ? ButtonLeft : ButtonRight;
        if (step % 150 < 6)
            b |= ButtonAttack;
        if (step % 900 >= 400 && step % 900 < 430)
            b |= ButtonJump;
        if (step % 2000 == 1000)
            b |= ButtonSkill;
        if (step % 1200 < 4 && step > 3000)
            b |= ButtonItem;
        return b;
    }
    if (step % 1700 < 300)
        b |= ButtonRight;
    else if (step % 1700 < 600)
        b |= ButtonLeft;
    if (step % 500 >= 200 && step % 500 < 240)
        b |= ButtonJump;
    if (step % 700 < 5)
        b |= ButtonParry;
    if (step % 1100 < 6)
        b |= ButtonAttack;
    if (step % 2500 == 50)
        b |= ButtonSkill;
    return b;
}

// Plays the script from the moment the fight goes live until the match ends
// or `lastStep`; the falls it saw.
std::vector<Fall> playRecorded(Game& game, long lastStep, long& endStep)
{
    // The recordings ran the countdown out in frames of 1/60 s.
    for (int frame = 0; frame < 600 && !game.world.match.fightLive; ++frame)
        runFrame(game, 1.f / 60.f, {}, false);
    std::vector<Fall> falls;
    bool down[2] = {false, false};
    long step = 0;
    for (; game.state == SceneState::Fight && step < lastStep; ++step) {
        FightInput inputs[2];
        for (int i = 0; i < 2; ++i)
            inputs[i].buttons = scriptedButtons(game.world, i, step);
        stepFight(game, inputs);
        for (int i = 0; i < 2; ++i) {
            const bool isDown = game.world.players[i].hitPoints < 1;
            if (isDown && !down[i])
                falls.push_back({step, i});
            down[i] = isDown;
        }
    }
    endStep = step;
    return falls;
}

void expectFalls(const std::vector<Fall>& seen, const std::vector<Fall>& recorded)
{
    ASSERT_EQ(seen.size(), recorded.size());
    for (std::size_t k = 0; k < seen.size(); ++k) {
        EXPECT_EQ(seen[k].player, recorded[k].player) << "fall " << k;
        EXPECT_NEAR(seen[k].step, recorded[k].step, 1) << "fall " << k;
    }
}

}  // namespace

TEST(RecordedMatch, KillRaceEndsAsRecorded)
{
    HeadlessGame headless;
    Game& game = *headless.game;
    FightPlan plan;
    plan.mode = FightMode::Caa;
    startFight(game, plan);
    long end = 0;
    const std::vector<Fall> falls = playRecorded(game, 120000, end);
    expectFalls(falls, {{567, 0}, {1957, 0}, {3060, 0}, {3924, 1}, {4214, 0}, {5269, 0}, {5823, 1}, {6324, 0}});
    EXPECT_NEAR(end, 6661, 1);
    EXPECT_EQ(game.state, SceneState::Victory);
    EXPECT_EQ(fightWinner(game), 1);
    EXPECT_EQ(game.world.match.p1Kills, 2);
    EXPECT_EQ(game.world.match.p2Kills, 6);
}

TEST(RecordedMatch, ClassicFallsAsRecordedUntilTheItemsDrawnDiffer)
{
    // The recording drew its items from the C library's generator; the world's
    // own generator draws other kinds, which change the fight after this point.
    JungleMatch f;  // entered as the recording entered it
    f.game.scriptedButtons.playing = true;
    long end = 0;
    const std::vector<Fall> falls = playRecorded(f.game, 28000, end);
    expectFalls(falls, {{796, 1},   {2029, 1},  {3629, 1},  {5896, 1},  {7379, 1},  {8879, 1},
                        {10279, 1}, {12207, 1}, {13637, 0}, {14163, 1}, {15062, 0}, {15543, 1},
                        {16707, 0}, {17471, 1}, {18317, 0}, {19029, 1}, {19949, 0}, {20868, 1},
                        {21580, 0}, {22329, 1}, {23234, 0}, {24479, 1}, {25704, 1}, {27179, 1}});
}
