// Matches recorded before the fight became one stepped value, at 1/300 s
// frames: the same buttons must still bring the same falls at the same steps
// and the same winner. The buttons come from a fixed script of both players
// reading the world, so they repeat exactly as long as the world does.
// The kill race plays on the world alone; the classic match, whose recording
// was made in a whole game, plays in one.
#include "match/JungleMatch.h"

#include "app/FightSession.h"
#include "app/Frame.h"
#include "world/FightStep.h"

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

// Plays the script on `world` from the moment the fight went live until the
// match ends (`step` says so) or `lastStep`; the falls it saw.
template <class Step>
std::vector<Fall> playRecorded(const FightWorld& world, Step step, long lastStep, long& endStep)
{
    std::vector<Fall> falls;
    bool down[2] = {false, false};
    long at = 0;
    for (bool ended = false; !ended && at < lastStep; ++at) {
        FightInput inputs[2];
        for (int i = 0; i < 2; ++i)
            inputs[i].buttons = scriptedButtons(world, i, at);
        ended = step(inputs);
        for (int i = 0; i < 2; ++i) {
            const bool isDown = world.players[i].hitPoints < 1;
            if (isDown && !down[i])
                falls.push_back({at, i});
            down[i] = isDown;
        }
    }
    endStep = at;
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
    JungleFight f(FightChoice{true});
    f.goLive();  // the recording ran the countdown out in frames of 1/60 s
    long end = 0;
    const std::vector<Fall> falls = playRecorded(
        f.world, [&](const FightInput inputs[2]) { return stepFight(f.world, inputs).matchWon; }, 120000, end);
    expectFalls(falls, {{567, 0}, {1957, 0}, {3060, 0}, {3924, 1}, {4214, 0}, {5269, 0}, {5823, 1}, {6324, 0}});
    EXPECT_NEAR(end, 6661, 1);
    EXPECT_EQ(fightWinner(f.world), 1);
    EXPECT_EQ(f.world.match.p1Kills, 2);
    EXPECT_EQ(f.world.match.p2Kills, 6);
}

TEST(RecordedMatch, ClassicFallsAsRecordedUntilTheItemsDrawnDiffer)
{
    // Recorded in a game entered as the map room's door enters it, with the
    // fighters as the game starts them; played the same way, through the
    // game's steps. The recording drew its items from the C library's
    // generator; the world's own generator draws other kinds, which change
    // the fight after this point.
    JungleMatch f;
    f.game.scriptedButtons.playing = true;
    f.goLive();
    long end = 0;
    const std::vector<Fall> falls = playRecorded(
        f.game.world,
        [&](const FightInput inputs[2]) {
            stepFight(f.game, inputs);
            return f.game.state != SceneState::Fight;
        },
        28000, end);
    expectFalls(falls, {{796, 1},   {2029, 1},  {3629, 1},  {5896, 1},  {7379, 1},  {8879, 1},
                        {10279, 1}, {12207, 1}, {13637, 0}, {14163, 1}, {15062, 0}, {15543, 1},
                        {16707, 0}, {17471, 1}, {18317, 0}, {19029, 1}, {19949, 0}, {20868, 1},
                        {21580, 0}, {22329, 1}, {23234, 0}, {24479, 1}, {25704, 1}, {27179, 1}});
}
